// Parameter contract: the coupling of normalised and real values.
#include "params/NormalizedParamInterface.h"

#include <cmath>

namespace rivo
{

void NormalizedParamInterface::init(double real, int level)
{
	set_val_raw(real);
	set_nval_raw(normalize_val(real));
	_automation_level = level;
}

bool NormalizedParamInterface::sanitize_normalized(float &nval) noexcept
{
	if (std::isnan(nval))
	{
		return false;
	}
	nval = nval < 0.0f ? 0.0f : (nval > 1.0f ? 1.0f : nval);
	return true;
}

bool NormalizedParamInterface::set_from_normalized(float nval)
{
	if (!sanitize_normalized(nval))
	{
		return false;
	}
	set_nval_raw(nval);
	set_val_raw(denormalize_val(nval));
	do_set_val();
	notify_target();
	return true;
}

}  // namespace rivo
