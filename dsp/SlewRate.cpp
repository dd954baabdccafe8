// Fixed-slope glide.
#include "dsp/SlewRate.h"

namespace dsp
{

void SlewRate::set_val(float val) noexcept
{
	if (_rate <= 0)
	{
		start(val, 0.0);
		return;
	}
	const double dist = double(val) - get_val_dbl();
	const double sign = dist > 0 ? 1.0 : (dist < 0 ? -1.0 : 0.0);
	start(val, double(_rate) * sign / double(_sample_freq));
}

}  // namespace dsp
