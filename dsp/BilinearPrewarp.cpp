// Prewarping factor of the bilinear transform.
#include "dsp/BilinearPrewarp.h"

#include <cmath>

namespace dsp
{

double BilinearPrewarp::compute_k(double f, double fs) noexcept
{
	return 1.0 / compute_tan(f, fs);
}

double BilinearPrewarp::compute_tan(double f, double fs) noexcept
{
	constexpr double pi = 3.14159265358979323846;
	const double f_min = fs * 2e-5;
	const double f_max = fs * 0.4999;
	if (std::isnan(f))
	{
		f = fs * 0.25;  // any finite choice; a stable middle one
	}
	else if (f < f_min)
	{
		f = f_min;
	}
	else if (f > f_max)
	{
		f = f_max;
	}
	return std::tan(pi * f / fs);
}

}  // namespace dsp
