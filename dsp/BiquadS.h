// Biquad designed from an analogue prototype H(s) normalised to its cut-off.
#pragma once

#include "dsp/Biquad.h"
#include "dsp/DesignFreqMixin.h"

namespace dsp
{

class BiquadS : public Biquad, public DesignFreqMixin
{
public:
	// H(s) = (b0 + b1 s + b2 s^2) / (a0 + a1 s + a2 s^2)
	void set_s_eq(const float b[3], const float a[3]) noexcept;

	// Computes the z coefficients from the prototype, f and the sample rate.
	void transform_s_to_z() noexcept;

protected:
	float _b0s = 1;
	float _b1s = 2;
	float _b2s = 1;
	float _a0s = 1;
	float _a1s = 2;
	float _a2s = 1;
};

}  // namespace dsp
