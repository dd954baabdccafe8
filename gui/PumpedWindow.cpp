#include "gui/PumpedWindow.h"

#include "gui/ClearTimer.h"
#include "gui/CtrlGroupNodeInterface.h"
#include "gui/Invalidate.h"
#include "gui/Menu.h"
#include "gui/MenuRequest.h"
#include "gui/MenuStop.h"
#include "gui/MouseClick.h"
#include "gui/MouseMove.h"
#include "gui/MouseRelease.h"
#include "gui/Notify.h"
#include "gui/SetTimer.h"
#include "gui/TextInputRequest.h"
#include "gui/TextInputStop.h"
#include "gui/TextLineEditorInterface.h"
#include "sys/sys_fnc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ruvava
{

namespace
{

// Zones that touch or overlap are merged; beyond this many, all are.
constexpr size_t MAX_DIRTY = 16;

bool touch(const Rect &a, const Rect &b)
{
	return a._x0 <= b._x1 && b._x0 <= a._x1 && a._y0 <= b._y1 && b._y0 <= a._y1;
}

Rect bounds(const Rect &a, const Rect &b)
{
	return {std::min(a._x0, b._x0), std::min(a._y0, b._y0), std::max(a._x1, b._x1), std::max(a._y1, b._y1)};
}

// Division rounding towards minus infinity.
int32_t floor_div(int32_t a, int32_t b)
{
	return (a >= 0) ? a / b : -((-a + b - 1) / b);
}

}  // namespace

PumpedWindow::PumpedWindow(const Coord2D &size) : WindowInterface(size), _dialogs(new DialogHost(*this)) {}

void PumpedWindow::set_dialog_host(DialogHost *host_ptr)
{
	_dialogs.reset(host_ptr);
}

int32_t PumpedWindow::send_message(MessageInterface &m)
{
	if (dynamic_cast<MessageUp *>(&m) == nullptr || !is_view_open())
	{
		return -1;
	}
	if (const auto *p = dynamic_cast<const Invalidate *>(&m))
	{
		add_dirty(p->get_zone());
		return 0;
	}
	if (const auto *p = dynamic_cast<const MouseCapture *>(&m))
	{
		const MouseCapture::TrackingType type = p->get_tracking_type();
		show_cursor(type == MouseCapture::TrackingType_NORMAL);
		_residual = Coord2D();
		_rel_last = _last_dev;
		_awaiting_echo = false;
		capture_mouse(p->use_target(), type, &_last_pos);
		return 0;
	}
	if (const auto *p = dynamic_cast<const MouseRelease *>(&m))
	{
		// Only the capturer gives the mouse back; a late release from a former
		// one must not end another component's capture.
		if (get_mouse_capturer() != &p->use_target())
		{
			return 0;
		}
		if (get_capture_type() == MouseCapture::TrackingType_RELATIVE && p->has_pos())
		{
			const int s = get_scale();
			do_move_pointer(Coord2D(p->get_pos()._x * s, p->get_pos()._y * s));
			_last_pos = p->get_pos();
		}
		show_cursor(true);
		release_mouse();
		return 0;
	}
	if (const auto *p = dynamic_cast<const SetTimer *>(&m))
	{
		const double period = std::floor(0.5 + double(p->get_delay()) * 1e6) * 1e-6;
		_timer_syncs.push_back({p->get_id(), period, sys::get_time_stamp() + period});
		set_timer(p->get_id(), p->use_target());
		return 0;
	}
	if (const auto *p = dynamic_cast<const ClearTimer *>(&m))
	{
		clear_timer(p->get_id());
		_timer_syncs.erase(std::remove_if(_timer_syncs.begin(), _timer_syncs.end(),
		                                  [p](const TimerSync &t) { return t._id == p->get_id(); }),
		                   _timer_syncs.end());
		return 0;
	}
	if (const auto *p = dynamic_cast<const TextInputRequest *>(&m))
	{
		TextLineEditorInterface *ed_ptr = use_text_line_editor();
		if (ed_ptr == nullptr)
		{
			return -1;
		}
		if (ed_ptr->is_running())
		{
			ed_ptr->stop();
		}
		return ed_ptr->begin(*p);
	}
	if (const auto *p = dynamic_cast<const TextInputStop *>(&m))
	{
		TextLineEditorInterface *ed_ptr = use_text_line_editor();
		if (ed_ptr == nullptr || !ed_ptr->is_running())
		{
			return -1;
		}
		ed_ptr->validate(p->is_validated());
		return ed_ptr->stop();
	}
	if (const auto *p = dynamic_cast<const MenuRequest *>(&m))
	{
		return (use_menu() != nullptr) ? use_menu()->begin(*p) : -1;
	}
	if (dynamic_cast<const MenuStop *>(&m) != nullptr)
	{
		return (use_menu() != nullptr) ? use_menu()->stop() : -1;
	}
	return -1;
}

void PumpedWindow::add_dirty(const Rect &zone)
{
	Rect r = zone.intersect(Rect(0, 0, get_size()._x, get_size()._y));
	if (r.is_empty())
	{
		return;
	}
	bool merged = true;
	while (merged)
	{
		merged = false;
		for (size_t i = 0; i < _dirty.size(); ++i)
		{
			if (touch(_dirty[i], r))
			{
				r = bounds(_dirty[i], r);
				_dirty.erase(_dirty.begin() + long(i));
				merged = true;
				break;
			}
		}
	}
	_dirty.push_back(r);
	if (_dirty.size() > MAX_DIRTY)
	{
		Rect all = _dirty.front();
		for (const Rect &d : _dirty)
		{
			all = bounds(all, d);
		}
		_dirty.assign(1, all);
	}
}

void PumpedWindow::redraw_invalidated()
{
	// Zones invalidated while drawing wait for the next pump.
	std::vector<Rect> zones;
	zones.swap(_dirty);
	for (const Rect &r : zones)
	{
		split_redraw(r);
	}
}

void PumpedWindow::serve_timers(double now)
{
	_due_ids.clear();
	for (TimerSync &t : _timer_syncs)
	{
		if (t._due <= now)
		{
			_due_ids.push_back(t._id);
		}
	}
	// A handler may start or stop timers: look each one up again.
	for (const int32_t id : _due_ids)
	{
		const auto it =
		    std::find_if(_timer_syncs.begin(), _timer_syncs.end(), [id](const TimerSync &t) { return t._id == id; });
		MessageHandlerInterface *h_ptr = get_component_with_timer_id(id);
		if (it == _timer_syncs.end() || h_ptr == nullptr)
		{
			continue;
		}
		it->_due = now + it->_period;
		Notify notify(id, now);
		h_ptr->send_message(notify);
	}
}

void PumpedWindow::pump()
{
	serve(sys::get_time_stamp());
}

void PumpedWindow::serve(double now)
{
	if (!is_view_open())
	{
		return;
	}
	serve_timers(now);
	_dialogs->serve();
	redraw_invalidated();
}

MessageHandlerInterface *PumpedWindow::mouse_target() const
{
	if (get_mouse_capturer() != nullptr)
	{
		return get_mouse_capturer();
	}
	return use_ctrl_root();
}

void PumpedWindow::send_click(int state, int alt_keys, int clicks)
{
	MessageHandlerInterface *target_ptr = mouse_target();
	if (target_ptr == nullptr)
	{
		return;
	}
	const Coord2D &p = _last_pos;
	MouseClick click(Rect(p, p), p, state & 7, alt_keys, (clicks > 1) ? (state & 7) : 0);
	target_ptr->send_message(click);
}

void PumpedWindow::note_pos(const Coord2D &dev)
{
	// A relative capture keeps its origin as the position.
	if (get_capture_type() != MouseCapture::TrackingType_RELATIVE || get_mouse_capturer() == nullptr)
	{
		const int s = get_scale();
		_last_pos = Coord2D(floor_div(dev._x, s), floor_div(dev._y, s));
	}
}

void PumpedWindow::mouse_down(const Coord2D &dev, int buttons, int alt_keys, double now)
{
	if (!is_view_open())
	{
		return;
	}
	const bool again = (buttons == _press_buttons && now - _press_time <= DOUBLE_CLICK_TIME &&
	                    std::abs(dev._x - _press_pos._x) <= DOUBLE_CLICK_DIST &&
	                    std::abs(dev._y - _press_pos._y) <= DOUBLE_CLICK_DIST);
	_clicks = again ? _clicks + 1 : 1;
	_press_time = now;
	_press_pos = dev;
	_press_buttons = buttons;
	_buttons = buttons;
	_last_dev = dev;
	note_pos(dev);
	send_click(buttons, alt_keys, _clicks);
}

void PumpedWindow::mouse_up(const Coord2D &dev, int alt_keys)
{
	if (!is_view_open())
	{
		return;
	}
	_buttons = 0;
	_last_dev = dev;
	note_pos(dev);
	send_click(0, alt_keys, 0);
}

void PumpedWindow::mouse_moved(const Coord2D &dev, int buttons)
{
	if (!is_view_open())
	{
		return;
	}
	const int s = get_scale();
	MessageHandlerInterface *target_ptr = mouse_target();
	_last_dev = dev;
	if (get_mouse_capturer() != nullptr && get_capture_type() == MouseCapture::TrackingType_RELATIVE)
	{
		// Offsets from the origin, where the pointer is put back after each
		// move; the echo of that sends nothing. Device pixels add up until they
		// make whole units.
		const Coord2D org(get_org_mouse_pos()._x * s, get_org_mouse_pos()._y * s);
		if (_awaiting_echo && dev == org)
		{
			_awaiting_echo = false;
			_rel_last = org;
			return;
		}
		const Coord2D d = dev - _rel_last;
		_rel_last = dev;
		if (d._x == 0 && d._y == 0)
		{
			return;
		}
		if (!_awaiting_echo)
		{
			_awaiting_echo = do_move_pointer(org);
			if (!_awaiting_echo)
			{
				_rel_last = org;
			}
		}
		_residual = _residual + d;
		const Coord2D units(_residual._x / s, _residual._y / s);
		_residual = _residual - Coord2D(units._x * s, units._y * s);
		if (units._x != 0 || units._y != 0)
		{
			MouseMove move(Rect(units, units), units);
			target_ptr->send_message(move);
		}
	}
	else
	{
		const Coord2D p(floor_div(dev._x, s), floor_div(dev._y, s));
		if (p != _last_pos && target_ptr != nullptr)
		{
			_last_pos = p;
			MouseMove move(Rect(p, p), p);
			target_ptr->send_message(move);
		}
	}
	buttons &= 7;
	if (buttons != _buttons && buttons != 0)
	{
		_buttons = buttons;
		send_click(buttons, 0, 0);
	}
}

void PumpedWindow::show_cursor(bool show)
{
	if (show == _cursor_hidden)
	{
		_cursor_hidden = !show;
		do_show_cursor(show);
	}
}

void PumpedWindow::end_capture()
{
	if (get_mouse_capturer() != nullptr && get_capture_type() == MouseCapture::TrackingType_RELATIVE)
	{
		const int s = get_scale();
		do_move_pointer(Coord2D(get_org_mouse_pos()._x * s, get_org_mouse_pos()._y * s));
	}
	show_cursor(true);
	release_mouse();
}

void PumpedWindow::reset_pump()
{
	_timer_syncs.clear();
	forget_timers();
	_dirty.clear();
	_buttons = 0;
	_press_time = -1;
	_clicks = 0;
	_residual = Coord2D();
}

}  // namespace ruvava
