// Pan texts.
#include "engine/ParamVoicePan.h"

#include "engine/ParamTextFnc.h"

#include <cmath>
#include <cstdio>
#include <cstring>

void ParamVoicePan::do_print_val(char *txt_ptr, long len, double val) const
{
	if (std::fabs(val) <= 0.005)
	{
		basic::strncpy_0(txt_ptr, "Mid", len);
	}
	else if (len >= 1)
	{
		std::snprintf(txt_ptr, size_t(len), val < 0 ? "L %d" : "R %d", int(std::floor(std::fabs(100 * val) + 0.5)));
	}
}

double ParamVoicePan::do_scan_val(const char *txt_0, bool &ok) const
{
	// An empty text is part of "mid" too, but it is no value.
	if (ParamTextFnc::is_blank(txt_0))
	{
		ok = false;
		return 0;
	}
	if (basic::search_str_ci(txt_0, "mid") >= 0)
	{
		ok = true;
		return 0;
	}
	const long pos_l = basic::search_str_ci("l", txt_0);
	const long pos_r = basic::search_str_ci("r", txt_0);
	const char *num_0 = txt_0;
	double mult = 0.01;
	if (pos_l >= 0 || pos_r >= 0)
	{
		const bool left = pos_l > pos_r;
		num_0 = txt_0 + (left ? pos_l : pos_r) + 1;
		mult = left ? -0.01 : 0.01;
	}
	else if (const char *minus_0 = std::strchr(txt_0, '-'))
	{
		num_0 = minus_0 + 1;
		mult = -0.01;
	}
	return ParamTextFnc::scan_clamped(num_0, ok, mult, -1, 1);
}
