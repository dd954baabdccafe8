// Volume curve and dB texts.
#include "engine/ParamVolumeMixin.h"

#include "engine/ParamTextFnc.h"
#include "sys/basic_fnc.h"

#include <cmath>
#include <cstdio>

void ParamVolumeMixin::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, "dB", len);
}

double ParamVolumeMixin::denormalize_val(float nval) const
{
	return MAX_GAIN * (std::pow(1000.0, double(nval)) - 1) / 999;
}

float ParamVolumeMixin::normalize_val(double val) const
{
	return float(std::log(1 + 99.9 * val) / std::log(1000.0));
}

void ParamVolumeMixin::do_print_val(char *txt_ptr, long len, double val) const
{
	if (val <= 1e-5)
	{
		basic::strncpy_0(txt_ptr, "-oo", len);
	}
	else
	{
		ParamTextFnc::print(txt_ptr, len, "%.1f", 20 * std::log10(val));
	}
}

double ParamVolumeMixin::do_scan_val(const char *txt_0, bool &ok) const
{
	// An empty text is part of "oo" too, but it is no value: a cleared field
	// must not silence the signal.
	if (ParamTextFnc::is_blank(txt_0))
	{
		ok = false;
		return 0;
	}
	// Part of "oo" ("o", "oo"), or the printed "-oo" itself.
	if (basic::search_str_ci(txt_0, "oo") >= 0 || basic::search_str_ci("oo", txt_0) >= 0)
	{
		ok = true;
		return 0;
	}
	double db = 0;
	ok = std::sscanf(txt_0, "%lf", &db) == 1 && !std::isnan(db);
	return ok ? ParamTextFnc::clamp(std::pow(10.0, db / 20), 0, MAX_GAIN) : 0.0;
}
