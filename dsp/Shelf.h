// First-order shelf; with gain 0 a low shelf is a high-pass (the DC blocker) and
// a high shelf a low-pass.
#pragma once

#include "dsp/OnePoleS.h"

namespace dsp
{

class Shelf : public OnePoleS
{
public:
	Shelf();

	// Linear gain of the shelf.
	void set_gain(float g) noexcept
	{
		_gain = g;
	}
	float get_gain() const noexcept
	{
		return _gain;
	}

	// H(s) = (g + s) / (1 + s): g below f, 1 above.
	void make_low_shelf() noexcept;
	// H(s) = (1 + g s) / (1 + s): 1 below f, g above.
	void make_high_shelf() noexcept;

private:
	float _gain = 0;
};

}  // namespace dsp
