// Low-frequency oscillator with ten waveforms; the phase runs from 0 to 16 per period.
#pragma once

#include "dsp/InterpFncPeriodic.h"
#include "dsp/Random.h"
#include "dsp/Shelf.h"

#include <cmath>

namespace dsp
{

class Lfo
{
public:
	enum Type
	{
		Type_SINE = 0,
		Type_TRIANGLE,
		Type_SQUARE,
		Type_RAMP_UP,
		Type_COS_UP,
		Type_RAMP_DOWN,
		Type_COS_DOWN,
		Type_RANDOM,
		Type_BROWN_NOISE,
		Type_WHITE_NOISE,

		Type_NBR_ELT
	};

	static const char *const WF_TYPE_NAME[Type_NBR_ELT];
	static constexpr double PHASE_LEN = 16;  // phase units per period
	static constexpr int NOISE_INTERVAL = 256;  // samples between noise values

	struct SinFnc
	{
		double operator()(double x) const noexcept
		{
			return std::sin(2 * 3.14159265358979323846 * x);
		}
	};

	// Any other type gives 0.
	void set_type(int type) noexcept
	{
		_type = type;
	}
	int get_type() const noexcept
	{
		return _type;
	}
	// Holds the owner's depth; not applied by get_raw_value().
	void set_amp(float amp) noexcept
	{
		_amp = amp;
	}
	float get_amp() const noexcept
	{
		return _amp;
	}
	// A non-positive or non-finite rate or period is ignored.
	void set_sample_freq(float fs) noexcept;
	void set_period(double seconds) noexcept;
	double get_period() const noexcept
	{
		return _period;
	}
	// Phase in units of PHASE_LEN per period, wrapped into [0, 16).
	void set_phase(double phase) noexcept;
	double get_phase() const noexcept
	{
		return _phase;
	}

	// Recomputes the phase step (and the brown-noise filter) from period and rate.
	void update_param() noexcept;
	void tick(long nbr_spl) noexcept;
	// Waveform value in [-1, 1] at the current phase.
	float get_raw_value() const noexcept;
	void clear_buffers() noexcept;

private:
	void renew_brown_noise() noexcept;

	int _type = Type_SINE;
	float _amp = 1;
	float _sample_freq = 44100;
	double _period = 0.5;
	double _phase = 0;
	double _step = 0;
	float _held_val = 0;
	long _spl_count = 0;
	float _noise_scale = 1;
	InterpFncPeriodic<4, SinFnc> _sin_fnc;
	Random _rnd;
	Shelf _brown_filter;
};

}  // namespace dsp
