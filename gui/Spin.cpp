#include "gui/Spin.h"

#include "gui/MouseCapture.h"
#include "gui/MouseClick.h"
#include "gui/MouseMove.h"
#include "gui/Notify.h"
#include "gui/PersistentMouseSettings.h"
#include "gui/Redraw.h"
#include "sys/sys_fnc.h"

#include <algorithm>

namespace ruvava
{

int Spin::pic_index(int flag) noexcept
{
	int i = 0;
	while (flag > 1)
	{
		flag >>= 1;
		++i;
	}
	return i;
}

void Spin::set_pic(int flag, const Picture &pic)
{
	const int i = pic_index(flag);
	if (i >= 0 && i < 8)
	{
		_pics[i] = pic;
		_flags |= (1 << i);
	}
}

bool Spin::hits(int flag, const Coord2D &p)
{
	return has(flag) && _pics[pic_index(flag)].check_point_units(p);
}

void Spin::draw_pair(const Redraw &m, int flag, bool pressed) const
{
	if (has(flag) && has(flag * 2))
	{
		draw_pic(m, _pics[pic_index(pressed ? flag * 2 : flag)], get_coord());
	}
}

int32_t Spin::redraw(Redraw &m)
{
	if (has(PicFlag_GRADUATION))
	{
		draw_pic(m, _pics[pic_index(PicFlag_GRADUATION)], get_coord());
	}
	if (!_handle_on_top)
	{
		draw_pair(m, PicFlag_HANDLE, _pressed == Pressed_HANDLE);
	}
	draw_pair(m, PicFlag_UP, _pressed == Pressed_UP);
	draw_pair(m, PicFlag_DOWN, _pressed == Pressed_DOWN);
	if (_handle_on_top)
	{
		draw_pair(m, PicFlag_HANDLE, _pressed == Pressed_HANDLE);
	}
	if (is_activated() && has(PicFlag_SELECTION))
	{
		draw_pic(m, _pics[pic_index(PicFlag_SELECTION)], get_coord());
	}
	redraw_top_layer(m);
	return 0;
}

void Spin::step(double delta)
{
	if (!set_val_user(std::clamp(get_val() + delta, 0.0, 1.0), PRIO_USER))
	{
		stop_user_action();
	}
}

int32_t Spin::mouse_click(MouseClick &m)
{
	if (m.get_state() == 0)
	{
		stop_user_action();
		invalidate_all();
		return 0;
	}
	if (!is_enable())
	{
		return 0;
	}
	stop_user_action();
	const Coord2D p = m.get_pos() - get_coord();
	const bool up = hits(PicFlag_UP, p);
	const bool down = !up && hits(PicFlag_DOWN, p);
	const bool handle = hits(PicFlag_HANDLE, p) && (_handle_on_top || (!up && !down));
	_click_pos = m.get_pos();
	if (handle)
	{
		_relative = PersistentMouseSettings::get_instance().get_mouse_behaviour() !=
		            PersistentMouseSettings::MouseBehaviour_COMPATIBLE;
		_first_move = true;
		if (capture_mouse(_relative ? MouseCapture::TrackingType_RELATIVE : MouseCapture::TrackingType_NORMAL) == 0)
		{
			_captured = true;
			_pressed = Pressed_HANDLE;
		}
	}
	else if (up || down)
	{
		_relative = false;
		if (capture_mouse(MouseCapture::TrackingType_NORMAL) == 0)
		{
			_captured = true;
			_pressed = up ? Pressed_UP : Pressed_DOWN;
			_phase = 0;
			_click_time = sys::get_time_stamp();
			start_timer(float(_quick_rep_time), _timer_id);
			step(up ? _quick_step : -_quick_step);
		}
	}
	invalidate_all();
	return 0;
}

int32_t Spin::mouse_move(MouseMove &m)
{
	if (_pressed != Pressed_HANDLE)
	{
		return 0;
	}
	int32_t dy;
	if (_relative)
	{
		dy = -m.get_pos()._y;
	}
	else
	{
		dy = _first_move ? 0 : _last_y - m.get_pos()._y;
		_last_y = m.get_pos()._y;
		_first_move = false;
	}
	if (dy != 0)
	{
		step(_mouse_step * dy);
	}
	return 0;
}

int32_t Spin::notify(Notify &m)
{
	if (m.get_id() != _timer_id || (_pressed != Pressed_UP && _pressed != Pressed_DOWN))
	{
		return 0;
	}
	const double dir = (_pressed == Pressed_UP) ? 1 : -1;
	const double t = m.get_time_stamp() - _click_time;
	if (_phase == 0)
	{
		if (t >= _quick_mode_time)
		{
			_phase = 1;
		}
		return 0;
	}
	if (_phase == 1)
	{
		step(dir * _quick_step);
		if (t >= _very_quick_mode_time && _pressed != Pressed_NONE)
		{
			_phase = 2;
			stop_timer(_timer_id);
			start_timer(float(_very_quick_rep_time), _timer_id);
		}
		return 0;
	}
	step(dir * _very_quick_step);
	return 0;
}

void Spin::stop_user_action()
{
	_pressed = Pressed_NONE;
	stop_timer(_timer_id);
	_phase = 0;
	if (_captured)
	{
		_captured = false;
		release_mouse(_click_pos);
	}
}

}  // namespace ruvava
