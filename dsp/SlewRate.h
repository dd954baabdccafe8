// Glides to each new value at a fixed slope: the time grows with the distance.
#pragma once

#include "dsp/LinearGlide.h"

namespace dsp
{

class SlewRate : public LinearGlide
{
public:
	// Units per second; 0 makes every set_val a jump.
	void set_rate(float rate) noexcept
	{
		_rate = rate > 0 ? rate : 0;
	}
	float get_rate() const noexcept
	{
		return _rate;
	}
	void set_val(float val) noexcept;

private:
	float _rate = 10;
};

}  // namespace dsp
