// Single-frequency DFT and peak search, computed here rather than by the code under test.
#pragma once

#include "support/SineFit.h"

#include <complex>
#include <vector>

namespace testsupport
{

// Amplitude of the component at f (Hz) in x[start, start + n).
inline double dft_amp(const std::vector<float> &x, long start, long n, double f, double fs)
{
	std::complex<double> acc = 0;
	const double w = 2 * PI * f / fs;
	for (long i = 0; i < n; ++i)
	{
		acc += double(x[size_t(start + i)]) * std::polar(1.0, -w * double(i));
	}
	return 2 * std::abs(acc) / double(n);
}

// The frequency with the largest amplitude among f_lo, f_lo + step, ... f_hi.
inline double dft_peak(const std::vector<float> &x, long start, long n, double fs, double f_lo, double f_hi,
                       double step)
{
	double best_f = f_lo;
	double best_a = -1;
	for (double f = f_lo; f <= f_hi; f += step)
	{
		const double a = dft_amp(x, start, n, f, fs);
		if (a > best_a)
		{
			best_a = a;
			best_f = f;
		}
	}
	return best_f;
}

inline double to_db(double ratio)
{
	return 20 * std::log10(ratio);
}

}  // namespace testsupport
