// Named choices.
#include "engine/ParamChoiceMixin.h"

#include "engine/ParamTextFnc.h"
#include "sys/basic_fnc.h"

#include <cmath>

void ParamChoiceMixin::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, "", len);
}

double ParamChoiceMixin::denormalize_val(float nval) const
{
	return std::floor(double(_nbr_names - 1) * double(nval) + 0.5);
}

float ParamChoiceMixin::normalize_val(double val) const
{
	return float(std::floor(val + 0.5) / double(_nbr_names - 1));
}

int ParamChoiceMixin::get_index(double val) const noexcept
{
	return int(ParamTextFnc::clamp(std::floor(val + 0.5), 0, _nbr_names - 1));
}

void ParamChoiceMixin::do_print_val(char *txt_ptr, long len, double val) const
{
	basic::strncpy_0(txt_ptr, _name_arr[get_index(val)], len);
}

double ParamChoiceMixin::do_scan_val(const char *txt_0, bool &ok) const
{
	return ParamTextFnc::scan_choice(txt_0, ok, _name_arr, _nbr_names);
}
