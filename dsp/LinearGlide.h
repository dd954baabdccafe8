// A value moving linearly towards a target in whole ticks; the slope is set by
// the derived smoothers.
#pragma once

namespace dsp
{

class LinearGlide
{
public:
	float get_val() const noexcept
	{
		return float(_cur_val);
	}
	double get_val_dbl() const noexcept
	{
		return _cur_val;
	}
	float get_target_val() const noexcept
	{
		return _target_val;
	}
	bool is_gliding() const noexcept
	{
		return _step != 0;
	}
	// Jumps to the value at once.
	void force_val(float val) noexcept;

	void tick(long nbr_spl) noexcept;
	// A running glide keeps its duration in seconds.
	void set_sample_freq(float fs) noexcept;
	float get_sample_freq() const noexcept
	{
		return _sample_freq;
	}

protected:
	// Starts a glide with the given step per sample (0: jump).
	void start(float target, double step) noexcept;

	float _sample_freq = 44100;

private:
	float _last_val = 0;
	float _target_val = 0;
	double _cur_val = 0;
	double _step = 0;
};

}  // namespace dsp
