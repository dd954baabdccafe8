// Quadrature oscillator step.
#include "dsp/OscSinCosEuler.h"

#include <cmath>

namespace dsp
{

void OscSinCosEuler::set_freq(float f) noexcept
{
	_freq = f;
	update_step();
}

void OscSinCosEuler::set_sample_freq(float fs) noexcept
{
	if (fs > 0)
	{
		_sample_freq = fs;
		update_step();
	}
}

void OscSinCosEuler::update_step() noexcept
{
	constexpr double pi = 3.14159265358979323846;
	const double w = 2 * pi * double(_freq) / double(_sample_freq);
	_step_cos = float(std::cos(w));
	_step_sin = float(std::sin(w));
}

}  // namespace dsp
