// Parameter text helpers.
#include "engine/ParamTextFnc.h"

#include "sys/basic_fnc.h"

#include <cctype>
#include <cmath>
#include <cstdio>

void ParamTextFnc::print(char *txt_ptr, long len, const char *fmt_0, double val)
{
	if (len >= 1)
	{
		std::snprintf(txt_ptr, size_t(len), fmt_0, val);
	}
}

bool ParamTextFnc::is_blank(const char *txt_0) noexcept
{
	for (const char *p = txt_0; *p != '\0'; ++p)
	{
		if (std::isspace(static_cast<unsigned char>(*p)) == 0)
		{
			return false;
		}
	}
	return true;
}

double ParamTextFnc::scan_clamped(const char *txt_0, bool &ok, double mult, double lo, double hi)
{
	double v = 0;
	ok = std::sscanf(txt_0, "%lf", &v) == 1 && std::isfinite(v);
	return ok ? clamp(v * mult, lo, hi) : 0.0;
}

double ParamTextFnc::scan_choice(const char *txt_0, bool &ok, const char *const name_arr[], int nbr_names)
{
	for (int i = 0; i < nbr_names; ++i)
	{
		if (basic::search_str_ci(name_arr[i], txt_0) >= 0)
		{
			ok = true;
			return i;
		}
	}
	ok = false;
	return 0;
}
