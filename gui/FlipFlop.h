// A two-state button that toggles on each click, optionally animating
// through its frames.
#pragma once

#include "gui/FramedControl.h"

namespace ruvava
{

class FlipFlop : public FramedControl
{
public:
	FlipFlop() : FramedControl(2, 1) {}

	// Seconds from one state to the other; 0 jumps.
	void set_transition_time(double t) noexcept
	{
		_transition = t;
	}
	// Animates also when another party changes the value.
	void set_undirect_anim_flag(bool flag) noexcept
	{
		_undirect = flag;
	}

	void stop_user_action() override;
	int32_t redraw(Redraw &m) override;
	int32_t mouse_click(MouseClick &m) override;
	int32_t notify(Notify &m) override;

private:
	void start_anim();
	double rounded_val() const noexcept
	{
		return (get_val() >= 0.5) ? 1 : 0;
	}

	double _transition = 0;
	bool _undirect = false;
	double _pos = 0;
	double _drawn = -1;
	double _start = 0;
	int32_t _timer_id = -1;
};

}  // namespace ruvava
