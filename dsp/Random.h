// Park-Miller minimal standard generator, values in [-1, 1).
#pragma once

#include <cmath>

namespace dsp
{

class Random
{
public:
	float gen() noexcept
	{
		_state = std::fmod(_state * 16807.0, 2147483647.0);
		return float((_state - 1073741824.0) * (1.0 / 1073741824.0));
	}
	void set_state(double state) noexcept
	{
		_state = state;
	}
	double get_state() const noexcept
	{
		return _state;
	}

private:
	double _state = 1;
};

}  // namespace dsp
