// Measures a steady sine in a signal by least squares against cos/sin references
// computed here, so that no window or whole number of periods is needed.
#pragma once

#include <cmath>
#include <vector>

namespace testsupport
{

constexpr double PI = 3.14159265358979323846;

struct SineFit
{
	double amp;    // amplitude
	double phase;  // radians: y[i] ~ amp * cos(w * (start + i) + phase)
};

inline SineFit fit_sine(const float *y_ptr, long nbr_spl, double w, long start)
{
	double cc = 0, cs = 0, ss = 0, yc = 0, ys = 0;
	for (long i = 0; i < nbr_spl; ++i)
	{
		const double t = w * double(start + i);
		const double c = std::cos(t);
		const double s = std::sin(t);
		cc += c * c;
		cs += c * s;
		ss += s * s;
		yc += y_ptr[i] * c;
		ys += y_ptr[i] * s;
	}
	const double det = cc * ss - cs * cs;
	const double a = (yc * ss - ys * cs) / det;
	const double b = (ys * cc - yc * cs) / det;
	return {std::hypot(a, b), std::atan2(-b, a)};
}

// Wraps an angle difference into (-pi, pi].
inline double wrap_angle(double a)
{
	a = std::fmod(a, 2 * PI);
	if (a <= -PI)
	{
		a += 2 * PI;
	}
	else if (a > PI)
	{
		a -= 2 * PI;
	}
	return a;
}

inline std::vector<float> make_sine(long nbr_spl, double w, double amp = 1.0)
{
	std::vector<float> x(static_cast<size_t>(nbr_spl));
	for (long i = 0; i < nbr_spl; ++i)
	{
		x[size_t(i)] = float(amp * std::cos(w * double(i)));
	}
	return x;
}

inline double to_deg(double rad)
{
	return rad * 180 / PI;
}

}  // namespace testsupport
