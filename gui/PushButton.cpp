#include "gui/PushButton.h"

#include "gui/MouseClick.h"
#include "gui/Notify.h"
#include "gui/Redraw.h"
#include "sys/sys_fnc.h"

namespace ruvava
{

int32_t PushButton::redraw(Redraw &m)
{
	draw_layers(m, _pos, is_activated(), true);
	return 0;
}

int32_t PushButton::mouse_click(MouseClick &m)
{
	if (m.get_state() == 0 || !is_enable())
	{
		return 0;
	}
	stop_user_action();
	send_custom_event(0, nullptr);
	_start = sys::get_time_stamp();
	start_timer(0.03f, _timer_id);
	return 0;
}

int32_t PushButton::notify(Notify &m)
{
	if (m.get_id() != _timer_id)
	{
		return 0;
	}
	// Down over the first half of the transition, back up over the second.
	const double t = m.get_time_stamp() - _start;
	if (t >= _transition)
	{
		_pos = 0;
		stop_user_action();
	}
	else if (t > _transition / 2)
	{
		_pos = 2 * (1 - t / _transition);
	}
	else
	{
		_pos = 2 * t / _transition;
	}
	refresh_display();
	return 0;
}

void PushButton::stop_user_action()
{
	stop_timer(_timer_id);
}

}  // namespace ruvava
