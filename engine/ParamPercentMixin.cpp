// Linear percentage parameters.
#include "engine/ParamPercentMixin.h"

#include "engine/ParamTextFnc.h"
#include "sys/basic_fnc.h"

void ParamPercentMixin::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, _unit_0, len);
}

double ParamPercentMixin::denormalize_val(float nval) const
{
	return _lo + (_hi - _lo) * double(nval);
}

float ParamPercentMixin::normalize_val(double val) const
{
	return float((val - _lo) / (_hi - _lo));
}

void ParamPercentMixin::do_print_val(char *txt_ptr, long len, double val) const
{
	ParamTextFnc::print(txt_ptr, len, _fmt_0, 100 * val);
}

double ParamPercentMixin::do_scan_val(const char *txt_0, bool &ok) const
{
	return ParamTextFnc::scan_clamped(txt_0, ok, 0.01, _lo, _hi);
}
