// A momentary button: fires custom event 0 on each press and animates its
// frames without changing its value.
#pragma once

#include "gui/FramedControl.h"

namespace ruvava
{

class PushButton : public FramedControl
{
public:
	PushButton() : FramedControl(2, 1) {}

	void set_transition_time(double t) noexcept
	{
		_transition = t;
	}
	// 0 at rest, 1 fully pressed.
	double get_position() const noexcept
	{
		return _pos;
	}

	void stop_user_action() override;
	int32_t redraw(Redraw &m) override;
	int32_t mouse_click(MouseClick &m) override;
	int32_t notify(Notify &m) override;

private:
	double _transition = 0.1;
	double _pos = 0;
	double _start = 0;
	int32_t _timer_id = -1;
};

}  // namespace ruvava
