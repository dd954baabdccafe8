// Fixed-time glide.
#include "dsp/ParamInertia.h"

namespace dsp
{

void ParamInertia::set_val(float val) noexcept
{
	const double nbr_spl = double(_sample_freq) * double(_inertia_time);
	start(val, nbr_spl > 0 ? (double(val) - get_val_dbl()) / nbr_spl : 0.0);
}

}  // namespace dsp
