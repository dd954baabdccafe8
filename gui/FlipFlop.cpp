#include "gui/FlipFlop.h"

#include "gui/MouseClick.h"
#include "gui/Notify.h"
#include "gui/Redraw.h"
#include "sys/sys_fnc.h"

#include <algorithm>

namespace ruvava
{

void FlipFlop::start_anim()
{
	_start = sys::get_time_stamp();
	_pos = 1 - rounded_val();
	if (_timer_id < 0)
	{
		start_timer(0.03f, _timer_id);
	}
}

int32_t FlipFlop::redraw(Redraw &m)
{
	if (_undirect && _timer_id < 0 && _transition != 0 && _drawn >= 0 && rounded_val() != _drawn)
	{
		// Changed by another party: show the old state and animate from it.
		start_anim();
	}
	const double p = (_timer_id >= 0) ? _pos : rounded_val();
	_drawn = rounded_val();
	draw_layers(m, p, true, true);
	return 0;
}

int32_t FlipFlop::mouse_click(MouseClick &m)
{
	if (m.get_state() == 0 || !is_enable())
	{
		return 0;
	}
	stop_user_action();
	const double old = rounded_val();
	if (!set_val_user(1 - old, PRIO_USER))
	{
		return 0;
	}
	_drawn = rounded_val();
	if (_transition == 0)
	{
		_pos = 1 - old;
		refresh_display();
	}
	else
	{
		start_anim();
	}
	return 0;
}

int32_t FlipFlop::notify(Notify &m)
{
	if (m.get_id() != _timer_id)
	{
		return 0;
	}
	const double t = m.get_time_stamp() - _start;
	if (t < _transition)
	{
		_pos = (get_val() < 0.5) ? 1 - t / _transition : t / _transition;
	}
	else
	{
		_pos = std::clamp(get_val(), 0.0, 1.0);
		stop_user_action();
	}
	refresh_display();
	return 0;
}

void FlipFlop::stop_user_action()
{
	stop_timer(_timer_id);
}

}  // namespace ruvava
