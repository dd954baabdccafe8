// Quadrature oscillator: the per-sample rotation follows frequency and sample rate.
#pragma once

#include "dsp/OscSinCosEulerBase.h"

namespace dsp
{

class OscSinCosEuler : public OscSinCosEulerBase
{
public:
	void set_freq(float f) noexcept;
	void set_sample_freq(float fs) noexcept;
	float get_freq() const noexcept
	{
		return _freq;
	}
	float get_sample_freq() const noexcept
	{
		return _sample_freq;
	}

private:
	void update_step() noexcept;

	float _sample_freq = 44100;
	float _freq = 0;
};

}  // namespace dsp
