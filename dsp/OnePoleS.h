// First-order section designed from an analogue prototype H(s) = (b0 + b1 s) / (a0 + a1 s).
#pragma once

#include "dsp/OnePole.h"
#include "dsp/DesignFreqMixin.h"

namespace dsp
{

class OnePoleS : public OnePole, public DesignFreqMixin
{
public:
	void set_s_eq(const float b[2], const float a[2]) noexcept;

	void transform_s_to_z() noexcept;

protected:
	float _b0s = 1;
	float _b1s = 1;
	float _a0s = 1;
	float _a1s = 1;
};

}  // namespace dsp
