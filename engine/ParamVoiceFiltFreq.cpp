// Band frequency.
#include "engine/ParamVoiceFiltFreq.h"

#include "engine/ParamTextFnc.h"

#include <cmath>

void ParamVoiceFiltFreq::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, "Hz", len);
}

double ParamVoiceFiltFreq::denormalize_val(float nval) const
{
	return MIN_FREQ * std::pow(256.0, double(nval));
}

float ParamVoiceFiltFreq::normalize_val(double val) const
{
	return float(std::log(val / MIN_FREQ) / std::log(256.0));
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
