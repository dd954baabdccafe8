// LFO depth parameter.
#include "params/ParamLfoDepth.h"

#include <cmath>
#include <cstdio>

namespace rivo
{

void ParamLfoDepth::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, "%", len);
}

double ParamLfoDepth::denormalize_val(float nval) const
{
	return double(nval);
}

float ParamLfoDepth::normalize_val(double val) const
{
	return float(val);
}

void ParamLfoDepth::do_print_val(char *txt_ptr, long len, double val) const
{
	if (len >= 1)
	{
		std::snprintf(txt_ptr, size_t(len), "%.2f", 100 * val);
	}
}

double ParamLfoDepth::do_scan_val(const char *txt_0, bool &ok) const
{
	double v = 0;
	ok = std::sscanf(txt_0, "%lf", &v) == 1 && std::isfinite(v);
	if (!ok)
	{
		return 0;
	}
	v *= 0.01;
	return v < 0 ? 0 : (v > 1 ? 1 : v);
}

}  // namespace rivo
