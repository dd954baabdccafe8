#include "gui/Diode.h"

#include "gui/Notify.h"
#include "gui/Redraw.h"
#include "gui/ShowObject.h"
#include "sys/sys_fnc.h"

#include <algorithm>

namespace ruvava
{

void Diode::start_anim()
{
	_animating = true;
	_start = sys::get_time_stamp();
}

void Diode::update_position(double now)
{
	const double v = std::clamp(get_val(), 0.0, 1.0);
	const double dt = now - _start;
	const double t = (v == 0) ? _release : _attack;
	if (dt > t || t <= 0)
	{
		_pos = v;
		_animating = false;
	}
	else
	{
		_pos = std::clamp((v < 0.5) ? 1 - dt / t : dt / t, 0.0, 1.0);
	}
}

int32_t Diode::show_object(ShowObject &m)
{
	if (m.is_shown())
	{
		if (_timer_id < 0)
		{
			start_timer(float(_refresh), _timer_id);
		}
	}
	else
	{
		stop_timer(_timer_id);
	}
	return 0;
}

int32_t Diode::notify(Notify &m)
{
	if (m.get_id() != _timer_id)
	{
		return 0;
	}
	send_custom_event(2, nullptr);
	if (_animating)
	{
		update_position(m.get_time_stamp());
		refresh_display();
	}
	return 0;
}

int32_t Diode::redraw(Redraw &m)
{
	// An LED draws no top layer.
	draw_layers(m, _animating ? _pos : ((get_val() >= 0.5) ? 1 : 0), true, false);
	return 0;
}

}  // namespace ruvava
