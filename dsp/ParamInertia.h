// Glides to each new value in a fixed time, however far it goes.
#pragma once

#include "dsp/LinearGlide.h"

namespace dsp
{

class ParamInertia : public LinearGlide
{
public:
	// Seconds; 0 makes every set_val a jump.
	void set_inertia_time(float t) noexcept
	{
		_inertia_time = t > 0 ? t : 0;
	}
	float get_inertia_time() const noexcept
	{
		return _inertia_time;
	}
	void set_val(float val) noexcept;

private:
	float _inertia_time = 0.1f;
};

}  // namespace dsp
