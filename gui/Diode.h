// An LED: asks its listener for a value at each refresh tick and fades
// between its frames.
#pragma once

#include "gui/FramedControl.h"

namespace ruvava
{

class Diode : public FramedControl
{
public:
	Diode() : FramedControl(0, 0) {}

	void set_attack_transition_time(double t) noexcept
	{
		_attack = t;
	}
	void set_release_transition_time(double t) noexcept
	{
		_release = t;
	}
	// Seconds between refresh ticks while shown.
	void set_time_refresh(double t) noexcept
	{
		_refresh = t;
	}
	// Fades towards the current value from now.
	void start_anim();
	double get_position() const noexcept
	{
		return _pos;
	}

	int32_t redraw(Redraw &m) override;
	int32_t notify(Notify &m) override;
	int32_t show_object(ShowObject &m) override;

private:
	void update_position(double now);

	double _attack = 0;
	double _release = 0;
	double _refresh = 0;
	bool _animating = false;
	double _start = 0;
	double _pos = 0;
	int32_t _timer_id = -1;
};

}  // namespace ruvava
