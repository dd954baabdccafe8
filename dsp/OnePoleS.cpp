// First-order bilinear transform with prewarping.
#include "dsp/OnePoleS.h"

#include "dsp/BilinearPrewarp.h"

namespace dsp
{

void OnePoleS::set_s_eq(const float b[2], const float a[2]) noexcept
{
	_b0s = b[0];
	_b1s = b[1];
	_a0s = a[0];
	_a1s = a[1];
}

void OnePoleS::transform_s_to_z() noexcept
{
	const double k = BilinearPrewarp::compute_k(_freq, _sample_freq);
	const double inv_d = 1.0 / (double(_a0s) + double(_a1s) * k);
	_b0 = float((double(_b0s) + double(_b1s) * k) * inv_d);
	_b1 = float((double(_b0s) - double(_b1s) * k) * inv_d);
	_a0 = 1;
	_a1 = float((double(_a0s) - double(_a1s) * k) * inv_d);
}

}  // namespace dsp
