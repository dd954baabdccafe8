// Feedback level curve.
#include "engine/ParamVoiceFdbkLvl.h"

#include <cmath>

double ParamVoiceFdbkLvl::denormalize_val(float nval) const
{
	return 1 - (std::pow(10.0, 1 - double(nval)) - 1) / 9;
}

float ParamVoiceFdbkLvl::normalize_val(double val) const
{
	return float(1 - std::log10(1 + 9 * (1 - val)));
}
