// Sample rate and cut-off (or centre) frequency of a filter designed in the s domain.
#pragma once

namespace dsp
{

class DesignFreqMixin
{
public:
	void set_sample_freq(float fs) noexcept
	{
		_sample_freq = fs;
	}
	float get_sample_freq() const noexcept
	{
		return _sample_freq;
	}
	void set_freq(float f) noexcept
	{
		_freq = f;
	}
	float get_freq() const noexcept
	{
		return _freq;
	}

protected:
	float _sample_freq = 44100;
	float _freq = 1000;
};

}  // namespace dsp
