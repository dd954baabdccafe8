// Band frequency.
#include "engine/ParamVoiceFiltFreq.h"

#include "engine/ParamTextFnc.h"

#include <cmath>

void ParamVoiceFiltFreq::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, "Hz", len);
}

void ParamVoiceFiltFreq::do_print_val(char *txt_ptr, long len, double val) const
{
	char tmp[16];
	basic::print_float(tmp, val, 5);
	basic::strncpy_0(txt_ptr, tmp, len);
}

double ParamVoiceFiltFreq::do_scan_val(const char *txt_0, bool &ok) const
{
	return ParamTextFnc::scan_clamped(txt_0, ok, 1.0, MIN_FREQ, MAX_FREQ);
}
