// Linear glide in whole ticks.
#include "dsp/LinearGlide.h"

namespace dsp
{

void LinearGlide::force_val(float val) noexcept
{
	_cur_val = val;
	_last_val = val;
	_target_val = val;
	_step = 0;
}

void LinearGlide::start(float target, double step) noexcept
{
	if (step == 0)
	{
		force_val(target);
		return;
	}
	_target_val = target;
	_last_val = float(_cur_val);
	_step = step;
}

void LinearGlide::tick(long nbr_spl) noexcept
{
	if (_step == 0)
	{
		return;
	}
	_cur_val += _step * double(nbr_spl);
	if ((_cur_val - _target_val) * _step >= 0)
	{
		force_val(_target_val);
	}
}

void LinearGlide::set_sample_freq(float fs) noexcept
{
	if (fs > 0)
	{
		_step *= double(_sample_freq) / double(fs);
		_sample_freq = fs;
	}
}

}  // namespace dsp
