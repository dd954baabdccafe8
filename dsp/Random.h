// Park-Miller minimal standard generator, values in [-1, 1).
#pragma once

#include <cstdint>

namespace dsp
{

class Random
{
public:
	float gen() noexcept
	{
		// The product stays below 2^46: integers give exactly what a
		// floating-point remainder would, without its slow reduction.
		_state = std::int64_t(_state) * 16807 % 2147483647;
		return float((double(_state) - 1073741824.0) * (1.0 / 1073741824.0));
	}
	void set_state(std::int64_t state) noexcept
	{
		_state = state;
	}
	std::int64_t get_state() const noexcept
	{
		return _state;
	}

private:
	std::int64_t _state = 1;
};

}  // namespace dsp
