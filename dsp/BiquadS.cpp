// Second-order bilinear transform with prewarping.
#include "dsp/BiquadS.h"

#include "dsp/BilinearPrewarp.h"

namespace dsp
{

void BiquadS::set_s_eq(const float b[3], const float a[3]) noexcept
{
	_b0s = b[0];
	_b1s = b[1];
	_b2s = b[2];
	_a0s = a[0];
	_a1s = a[1];
	_a2s = a[2];
}

void BiquadS::transform_s_to_z() noexcept
{
	// With k = 1 / t, numerator and denominator multiplied by t^2.
	const double t = BilinearPrewarp::compute_tan(_freq, _sample_freq);
	const double tt = t * t;
	const double b0s = _b0s, b1s = _b1s, b2s = _b2s;
	const double a0s = _a0s, a1s = _a1s, a2s = _a2s;
	const double inv_d = 1.0 / (a0s * tt + a1s * t + a2s);
	begin_coef_change();
	_b0 = float((b0s * tt + b1s * t + b2s) * inv_d);
	_b1 = float(2 * (b0s * tt - b2s) * inv_d);
	_b2 = float((b0s * tt - b1s * t + b2s) * inv_d);
	_a0 = 1;
	_a1 = float(2 * (a0s * tt - a2s) * inv_d);
	_a2 = float((a0s * tt - a1s * t + a2s) * inv_d);
}

}  // namespace dsp
