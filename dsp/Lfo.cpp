// LFO waveforms and their renewal rules.
#include "dsp/Lfo.h"

#include <algorithm>

namespace dsp
{

const char *const Lfo::WF_TYPE_NAME[Type_NBR_ELT] = {"Sine",      "Triangle", "Square",      "Ramp up",
                                                      "Cos up",    "Ramp down", "Cos down",   "Random",
                                                      "Brown noise", "White noise"};

void Lfo::set_sample_freq(float fs) noexcept
{
	if (std::isfinite(fs) && fs > 0)
	{
		_sample_freq = fs;
	}
}

void Lfo::set_period(double seconds) noexcept
{
	if (std::isfinite(seconds) && seconds > 0)
	{
		_period = seconds;
	}
}

void Lfo::set_phase(double phase) noexcept
{
	if (std::isfinite(phase))
	{
		_phase = std::fmod(phase, PHASE_LEN);
		if (_phase < 0)
		{
			_phase += PHASE_LEN;
		}
	}
}

void Lfo::update_param() noexcept
{
	_step = PHASE_LEN / (_period * double(_sample_freq));
	if (_type == Type_BROWN_NOISE)
	{
		const double rate = double(_sample_freq) / NOISE_INTERVAL;
		const double fc = std::min(1.0 / _period, 0.4375 * rate);
		_brown_filter.set_sample_freq(float(rate));
		_brown_filter.set_freq(float(fc));
		_brown_filter.set_gain(0);
		_brown_filter.make_high_shelf();
		_noise_scale = float(std::sqrt(rate / (2 * fc)));
	}
}

void Lfo::renew_brown_noise() noexcept
{
	_brown_filter.process_sample(_rnd.gen());
}

void Lfo::tick(long nbr_spl) noexcept
{
	switch (_type)
	{
	case Type_RANDOM:
		_phase += _step * double(nbr_spl);
		if (_phase >= PHASE_LEN)
		{
			_phase = std::fmod(_phase, PHASE_LEN);
			_held_val = _rnd.gen();
		}
		break;
	case Type_WHITE_NOISE:
		_spl_count += nbr_spl;
		if (_spl_count >= NOISE_INTERVAL)
		{
			_spl_count %= NOISE_INTERVAL;
			_held_val = _rnd.gen();
		}
		break;
	case Type_BROWN_NOISE:
		_spl_count += nbr_spl;
		if (_spl_count >= NOISE_INTERVAL)
		{
			while (_spl_count >= 2 * NOISE_INTERVAL)
			{
				_spl_count -= NOISE_INTERVAL;
				renew_brown_noise();
			}
			_spl_count -= NOISE_INTERVAL;
			renew_brown_noise();
			_held_val = _brown_filter.get_y1() * _noise_scale;
		}
		break;
	default:
	{
		// Within one turn past the end, the subtraction is what fmod gives,
		// exactly, at a fraction of its cost (26 LFOs tick every frame).
		const double p = _phase + _step * double(nbr_spl);
		_phase = (p < PHASE_LEN) ? p : ((p < 2 * PHASE_LEN) ? p - PHASE_LEN : std::fmod(p, PHASE_LEN));
		break;
	}
	}
}

float Lfo::get_raw_value() const noexcept
{
	const double p = _phase;
	switch (_type)
	{
	case Type_SINE: return _sin_fnc(p);
	case Type_TRIANGLE: return float(std::fabs(p / 4 - 2) - 1);
	case Type_SQUARE: return p < PHASE_LEN / 2 ? 1.0f : -1.0f;
	case Type_RAMP_UP: return float(p / 8 - 1);
	case Type_COS_UP: return _sin_fnc(p / 2 + 12);
	case Type_RAMP_DOWN: return float(1 - p / 8);
	case Type_COS_DOWN: return _sin_fnc(p / 2 + 4);
	case Type_RANDOM:
	case Type_BROWN_NOISE:
	case Type_WHITE_NOISE: return _held_val;
	default: return 0;
	}
}

void Lfo::clear_buffers() noexcept
{
	_phase = 0;
	_held_val = 0;
	_spl_count = 0;
	_brown_filter.clear_buffers();
	update_param();
}

}  // namespace dsp
