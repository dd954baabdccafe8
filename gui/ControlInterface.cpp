#include "gui/ControlInterface.h"

#include "gui/ClearTimer.h"
#include "gui/CtrlGroupItem.h"
#include "gui/EventListenerInterface.h"
#include "gui/Invalidate.h"
#include "gui/KeyPressed.h"
#include "gui/MouseCapture.h"
#include "gui/MouseCaptureLost.h"
#include "gui/MouseClick.h"
#include "gui/MouseMove.h"
#include "gui/MouseRelease.h"
#include "gui/Notify.h"
#include "gui/Redraw.h"
#include "gui/SetTimer.h"
#include "gui/ShowObject.h"
#include "gui/TextInputFinished.h"

#include <algorithm>

namespace ruvava
{

ControlInterface::ControlInterface(const Coord2D &coord, EventListenerInterface *listener_ptr, double val,
                                   const Coord2D &box_size)
: _val(val), _coord(coord)
{
	set_box(Rect(Coord2D(0, 0), box_size));
	set_listener(listener_ptr);
}

ControlInterface::~ControlInterface()
{
	if (_group_ptr != nullptr)
	{
		_group_ptr->forget(*this);
	}
}

int32_t ControlInterface::send_message(MessageInterface &m)
{
	const bool was_in_dispatch = _in_dispatch;
	_in_dispatch = true;
	// By index, read again each time: a listener may be removed while spying,
	// and no message copies the list.
	for (size_t i = 0; i < _listeners.size(); ++i)
	{
		_listeners[i]->spy_message_pre(m);
	}
	const int32_t ret = dispatch(m);
	for (size_t i = 0; i < _listeners.size(); ++i)
	{
		_listeners[i]->spy_message_post(m);
	}
	_in_dispatch = was_in_dispatch;
	return ret;
}

int32_t ControlInterface::dispatch(MessageInterface &m)
{
	if (auto *p = dynamic_cast<Invalidate *>(&m))
	{
		return invalidate(*p);
	}
	if (auto *p = dynamic_cast<Redraw *>(&m))
	{
		return _shown ? redraw(*p) : 0;
	}
	if (auto *p = dynamic_cast<MouseCapture *>(&m))
	{
		return mouse_capture(*p);
	}
	if (auto *p = dynamic_cast<MouseRelease *>(&m))
	{
		return mouse_release(*p);
	}
	if (auto *p = dynamic_cast<MouseCaptureLost *>(&m))
	{
		return mouse_capture_lost(*p);
	}
	if (auto *p = dynamic_cast<MouseMove *>(&m))
	{
		return mouse_move(*p);
	}
	if (auto *p = dynamic_cast<MouseClick *>(&m))
	{
		if (p->get_state() != 0 && _activable && !_activated)
		{
			activate();
		}
		return mouse_click(*p);
	}
	if (auto *p = dynamic_cast<SetTimer *>(&m))
	{
		return set_timer(*p);
	}
	if (auto *p = dynamic_cast<ClearTimer *>(&m))
	{
		return clear_timer(*p);
	}
	if (auto *p = dynamic_cast<Notify *>(&m))
	{
		return notify(*p);
	}
	if (auto *p = dynamic_cast<KeyPressed *>(&m))
	{
		return key_pressed(*p);
	}
	if (auto *p = dynamic_cast<TextInputFinished *>(&m))
	{
		return text_input_finished(*p);
	}
	if (auto *p = dynamic_cast<ShowObject *>(&m))
	{
		_shown = p->is_shown();
		const int32_t ret = show_object(*p);
		if (!_shown)
		{
			stop_user_action();
		}
		return ret;
	}
	if (dynamic_cast<MessageUp *>(&m) != nullptr)
	{
		return send_up(m);
	}
	return -1;
}

bool ControlInterface::check_point(const Coord2D &p)
{
	return BoundingBoxDefaultChecker::check_point(p - _coord);
}

int32_t ControlInterface::invalidate(Invalidate &m)
{
	return send_up(m);
}

int32_t ControlInterface::redraw(Redraw &)
{
	return 0;
}

int32_t ControlInterface::mouse_capture(MouseCapture &m)
{
	return send_up(m);
}

int32_t ControlInterface::mouse_release(MouseRelease &m)
{
	return send_up(m);
}

int32_t ControlInterface::set_timer(SetTimer &m)
{
	return send_up(m);
}

int32_t ControlInterface::clear_timer(ClearTimer &m)
{
	return send_up(m);
}

int32_t ControlInterface::mouse_capture_lost(MouseCaptureLost &)
{
	return 0;
}

int32_t ControlInterface::mouse_move(MouseMove &)
{
	return 0;
}

int32_t ControlInterface::mouse_click(MouseClick &)
{
	return 0;
}

int32_t ControlInterface::notify(Notify &)
{
	return 0;
}

int32_t ControlInterface::key_pressed(KeyPressed &)
{
	return 0;
}

int32_t ControlInterface::text_input_finished(TextInputFinished &)
{
	return 0;
}

int32_t ControlInterface::show_object(ShowObject &)
{
	return 0;
}

void ControlInterface::invalidate_all()
{
	if (_shown)
	{
		Invalidate inv(get_box() + _coord);
		send_up(inv);
	}
}

int32_t ControlInterface::send_up(MessageInterface &m)
{
	return (_group_ptr != nullptr) ? _group_ptr->send_message(m) : -1;
}

bool ControlInterface::ask_listeners(int prio)
{
	for (EventListenerInterface *l : _listeners)
	{
		if (!l->can_num_val_be_changed(prio))
		{
			return false;
		}
	}
	return true;
}

bool ControlInterface::set_val_user(double val, int prio)
{
	const bool was_in_dispatch = _in_dispatch;
	_in_dispatch = true;
	const bool ok = ask_listeners(prio);
	if (ok)
	{
		for (EventListenerInterface *l : _listeners)
		{
			val = l->change_num_val_user(val, prio);
		}
		for (EventListenerInterface *l : _listeners)
		{
			val = l->change_num_val(val, prio);
		}
		_val = val;
		if (_auto_update)
		{
			refresh_display();
		}
	}
	_in_dispatch = was_in_dispatch;
	return ok;
}

bool ControlInterface::set_val_auto(double val, int prio)
{
	const bool was_in_dispatch = _in_dispatch;
	_in_dispatch = true;
	const bool ok = ask_listeners(prio);
	if (ok)
	{
		for (EventListenerInterface *l : _listeners)
		{
			val = l->change_num_val_auto(val, prio);
		}
		for (EventListenerInterface *l : _listeners)
		{
			val = l->change_num_val(val, prio);
		}
		_val = val;
		refresh_display();
	}
	_in_dispatch = was_in_dispatch;
	return ok;
}

void ControlInterface::reserve_val(int prio)
{
	if (ask_listeners(prio))
	{
		for (EventListenerInterface *l : _listeners)
		{
			l->reserve_num_val(prio);
		}
	}
}

void ControlInterface::release_val(int prio)
{
	for (EventListenerInterface *l : _listeners)
	{
		l->release_num_val(prio);
	}
}

void ControlInterface::send_custom_event(long id, void *data_ptr)
{
	for (size_t i = 0; i < _listeners.size(); ++i)
	{
		_listeners[i]->send_custom_event(id, data_ptr);
	}
}

void ControlInterface::activate()
{
	_activated = true;
	for (EventListenerInterface *l : _listeners)
	{
		l->activate();
	}
	do_activate(true);
}

void ControlInterface::deactivate()
{
	_activated = false;
	for (EventListenerInterface *l : _listeners)
	{
		l->deactivate();
	}
	do_activate(false);
}

void ControlInterface::enable()
{
	_enabled = true;
	do_enable(true);
}

void ControlInterface::disable()
{
	_enabled = false;
	do_enable(false);
	stop_user_action();
}

void ControlInterface::set_rel_coord(const Coord2D &rel)
{
	_rel_coord = rel;
	if (_group_ptr != nullptr && _shown)
	{
		_coord = _group_ptr->get_coord2D() + rel;
	}
}

void ControlInterface::set_listener(EventListenerInterface *listener_ptr)
{
	_listeners.clear();
	if (listener_ptr != nullptr)
	{
		push_back_listener(*listener_ptr);
	}
}

void ControlInterface::push_back_listener(EventListenerInterface &listener)
{
	_listeners.push_back(&listener);
	listener.set_ci(*this);
}

void ControlInterface::push_back_listener_unique(EventListenerInterface &listener)
{
	if (std::find(_listeners.begin(), _listeners.end(), &listener) == _listeners.end())
	{
		push_back_listener(listener);
	}
}

void ControlInterface::remove_listener(EventListenerInterface &listener)
{
	_listeners.erase(std::remove(_listeners.begin(), _listeners.end(), &listener), _listeners.end());
}

EventListenerInterface *ControlInterface::get_listener(int index) const noexcept
{
	return (index >= 0 && size_t(index) < _listeners.size()) ? _listeners[size_t(index)] : nullptr;
}

int32_t ControlInterface::start_timer(float delay, int32_t &id)
{
	SetTimer timer(*this, delay, id);
	const int32_t ret = send_message(timer);
	if (ret != 0)
	{
		id = -1;
	}
	return ret;
}

void ControlInterface::stop_timer(int32_t &id)
{
	if (id >= 0)
	{
		ClearTimer clear(id);
		send_message(clear);
		id = -1;
	}
}

int32_t ControlInterface::capture_mouse(int tracking_type)
{
	MouseCapture capture(*this, MouseCapture::TrackingType(tracking_type));
	return send_message(capture);
}

int32_t ControlInterface::release_mouse(const Coord2D &pos)
{
	MouseRelease release(*this, pos);
	return send_message(release);
}

void ControlInterface::set_top_layer_nbr_pic(int nbr)
{
	_top_layer.resize(size_t(std::max(nbr, 0)));
}

void ControlInterface::set_top_layer_pic(int index, const Picture &pic)
{
	if (index >= 0 && size_t(index) < _top_layer.size())
	{
		_top_layer[size_t(index)] = {pic, true};
	}
}

void ControlInterface::redraw_top_layer(Redraw &m)
{
	if (_cur_top_layer >= 0 && size_t(_cur_top_layer) < _top_layer.size() && _top_layer[size_t(_cur_top_layer)]._present)
	{
		draw_pic(m, _top_layer[size_t(_cur_top_layer)]._pic, _coord);
	}
}

void ControlInterface::draw_pic(const Redraw &m, const Picture &pic, const Coord2D &pos)
{
	pic.blit(m.get_zone_from(pos), m.use_buffer());
}

void ControlInterface::draw_pic_subpix(const Redraw &m, const Picture &pic, double x, double y)
{
	const Rect &d = m.get_dest_rect();
	const int s = m.get_scale();
	pic.blit_subpix(float((d._x0 - x) * s), float((d._y0 - y) * s), Coord2D(d.width() * s, d.height() * s),
	                m.use_buffer());
}

void ControlInterface::draw_pic_rotate(const Redraw &m, const Picture &pic, double x, double y, double angle)
{
	const Rect &d = m.get_dest_rect();
	const int s = m.get_scale();
	pic.blit_rotate(float((d._x0 - x) * s), float((d._y0 - y) * s), Coord2D(d.width() * s, d.height() * s),
	                float(angle), m.use_buffer());
}

}  // namespace ruvava
