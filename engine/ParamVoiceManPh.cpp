// Manual phase texts.
#include "engine/ParamVoiceManPh.h"

#include "engine/ParamTextFnc.h"

#include <cmath>

void ParamVoiceManPh::do_print_val(char *txt_ptr, long len, double val) const
{
	ParamTextFnc::print(txt_ptr, len, "%.1f", (std::fmod(val + 0.5 + 2, 1.0) - 0.5) * 360);
}

double ParamVoiceManPh::do_scan_val(const char *txt_0, bool &ok) const
{
	return ParamTextFnc::scan_clamped(txt_0, ok, 1.0 / 360, -2, 2);
}
