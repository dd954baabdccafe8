// An in-place radix-2 FFT for the tools' and tests' analyses (never on the
// plug-in's audio path); the size is a power of two.
#pragma once

#include <complex>
#include <utility>
#include <vector>

namespace rivo
{

inline void fft(std::vector<std::complex<double>> &a)
{
	constexpr double pi = 3.14159265358979323846;
	const size_t n = a.size();
	for (size_t i = 1, j = 0; i < n; ++i)
	{
		size_t bit = n >> 1;
		for (; (j & bit) != 0; bit >>= 1)
		{
			j ^= bit;
		}
		j ^= bit;
		if (i < j)
		{
			std::swap(a[i], a[j]);
		}
	}
	for (size_t len = 2; len <= n; len <<= 1)
	{
		const std::complex<double> step = std::polar(1.0, -2 * pi / double(len));
		for (size_t i = 0; i < n; i += len)
		{
			std::complex<double> w = 1;
			for (size_t k = 0; k < len / 2; ++k)
			{
				const std::complex<double> u = a[i + k];
				const std::complex<double> v = a[i + k + len / 2] * w;
				a[i + k] = u + v;
				a[i + k + len / 2] = u - v;
				w *= step;
			}
		}
	}
}

}  // namespace rivo
