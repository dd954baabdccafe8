// The prewarped bilinear transform's frequency factor, shared by both filter orders.
#pragma once

namespace dsp
{

class BilinearPrewarp
{
public:
	// k = 1 / tan(pi f / fs), so that the prototype's normalised frequency 1 lands
	// on f. f is kept inside [2e-5 fs, 0.4999 fs]: at fs / 2 the tangent diverges,
	// and below the lower end float coefficients put the poles on the unit circle.
	// NaN counts as fs / 4.
	static double compute_k(double f, double fs) noexcept;
	// 1 / k: second-order sections divide by it rather than take k, a
	// division less per design.
	static double compute_tan(double f, double fs) noexcept;
};

}  // namespace dsp
