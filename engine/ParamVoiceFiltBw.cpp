// Band Q.
#include "engine/ParamVoiceFiltBw.h"

#include "engine/ParamTextFnc.h"

#include <cmath>
#include <string>

void ParamVoiceFiltBw::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, "", len);
}

void ParamVoiceFiltBw::do_print_val(char *txt_ptr, long len, double val) const
{
	if (!is_on(val))
	{
		basic::strncpy_0(txt_ptr, "Off", len);
	}
	else
	{
		ParamTextFnc::print(txt_ptr, len, "%.2f", val);
	}
}

double ParamVoiceFiltBw::do_scan_val(const char *txt_0, bool &ok) const
{
	if (basic::strcmp_ci(std::string(txt_0).substr(0, 3).c_str(), "off"))
	{
		ok = true;
		return MIN_Q;
	}
	return ParamTextFnc::scan_clamped(txt_0, ok, 1.0, MIN_Q, MAX_Q);
}
