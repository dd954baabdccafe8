#include "gui/PotInterface.h"

#include "gui/MouseClick.h"
#include "gui/MouseMove.h"
#include "gui/Notify.h"
#include "sys/sys_fnc.h"

#include <cmath>

namespace ruvava
{

namespace
{

constexpr double SETTLED = 1e-6;

}  // namespace

void PotInterface::set_graduation_pic(const Picture &pic)
{
	_graduation = pic;
	set_pic_flag(PicFlag_GRADUATION, true);
}

void PotInterface::remove_graduation_pic()
{
	set_pic_flag(PicFlag_GRADUATION, false);
}

void PotInterface::set_selection_pic(const Picture &pic)
{
	_selection = pic;
	set_pic_flag(PicFlag_SELECTION, true);
}

void PotInterface::remove_selection_pic()
{
	set_pic_flag(PicFlag_SELECTION, false);
}

void PotInterface::set_arrow_pic(const Picture &pic)
{
	_arrow = pic;
	set_pic_flag(PicFlag_ARROW, true);
}

void PotInterface::set_notch_list(const std::vector<double> &notches)
{
	_notches = notches;
	_pot.set_notch_list(&_notches);
}

void PotInterface::remove_notch_list()
{
	_pot.remove_notch_list();
	_notches.clear();
}

void PotInterface::stop_user_action()
{
	_pot.stop();
	_button_down = false;
	_released = false;
}

int32_t PotInterface::mouse_capture_lost(MouseCaptureLost &)
{
	_pot.mouse_capture_lost();
	// The drag ends as if the button had come up (the window closed).
	if (_button_down)
	{
		_button_down = false;
		_released = true;
		release_val(PRIO_USER);
	}
	return 0;
}

int32_t PotInterface::mouse_click(MouseClick &m)
{
	if (m.get_state() != 0)
	{
		if (is_enable() && (_pot.get_mode() == PotBehaviour::Mode_IDLE || _released))
		{
			stop_user_action();
			// Shift with the secondary button belongs to the linking of voices.
			_fine = (m.get_alt_keys() & AltKeys_SHIFT) != 0 && (m.get_state() & MouseState_SECONDARY) == 0;
			_button_down = (press(m) == 0);
		}
		return 0;
	}
	if (!_button_down)
	{
		return 0;
	}
	// Down before the capture ends: ending it reports the capture lost at once.
	_button_down = false;
	_released = true;
	release_val(PRIO_USER);
	_pot.stop_mouse_capture();
	if (_pot.get_mode() == PotBehaviour::Mode_DRAGGING)
	{
		invalidate_all();
	}
	return 0;
}

int32_t PotInterface::mouse_move(MouseMove &m)
{
	if (!_button_down)
	{
		return 0;
	}
	if (_pot.get_mode() == PotBehaviour::Mode_DRAGGING)
	{
		move_dragging(m.get_pos());
	}
	else if (_pot.get_mode() == PotBehaviour::Mode_ATTRACTING)
	{
		const int32_t d = attraction_offset(m.get_pos() - _click_pos);
		if (std::abs(d) > 4)
		{
			_attraction_speed = std::abs(d) * _side_click_speed * d / 65536.0;
			_pot.attract_set_uniform_mvt();
		}
	}
	return 0;
}

void PotInterface::drag_now()
{
	double v = get_val();
	if (_pot.drag(v, sys::get_time_stamp()) && !set_val_user(v, PRIO_USER))
	{
		stop_user_action();
	}
}

int32_t PotInterface::start_attraction(const Coord2D &click, double speed)
{
	_click_pos = click;
	_attraction_speed = speed;
	return _pot.start_attracting(get_val());
}

int32_t PotInterface::notify(Notify &m)
{
	if (m.get_id() != _pot.get_timer_id())
	{
		return 0;
	}
	if (_button_down)
	{
		reserve_val(PRIO_USER);
	}
	double v = get_val();
	const double old = v;
	if (_pot.get_mode() == PotBehaviour::Mode_DRAGGING)
	{
		_pot.drag(v, m.get_time_stamp());
	}
	else if (_pot.get_mode() == PotBehaviour::Mode_ATTRACTING)
	{
		_pot.attract(v, m.get_time_stamp(), _released ? 0 : _attraction_speed);
	}
	// Values come back from the host as floats: a difference below their
	// precision is no movement, or a released pot would never come to rest.
	if (std::fabs(v - old) < SETTLED)
	{
		if (_released && !_pot.is_moving())
		{
			stop_user_action();
		}
	}
	else
	{
		const int prio = (_button_down || _pot.is_attract_mvt_uniform()) ? PRIO_USER : PRIO_ANIM_TAIL;
		if (!set_val_user(v, prio))
		{
			stop_user_action();
		}
	}
	return 0;
}

}  // namespace ruvava
