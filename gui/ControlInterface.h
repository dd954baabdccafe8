// An interactive leaf of the control tree: one normalised value, drawn
// from pictures, moved by the mouse and timers, reported to listeners.
#pragma once

#include "gui/BoundingBoxDefaultChecker.h"
#include "gui/ButtonFrame.h"
#include "gui/MessageHandlerInterface.h"

#include <vector>

namespace ruvava
{

class ClearTimer;
class CtrlGroupItem;
class EventListenerInterface;
class Invalidate;
class KeyPressed;
class MouseCapture;
class MouseCaptureLost;
class MouseClick;
class MouseMove;
class MouseRelease;
class Notify;
class Redraw;
class SetTimer;
class ShowObject;
class TextInputFinished;

class ControlInterface : public BoundingBoxDefaultChecker, public MessageHandlerInterface
{
public:
	// Priorities of value changes: direct user action, tail of an animation.
	static constexpr int PRIO_USER = 200;
	static constexpr int PRIO_ANIM_TAIL = 50;

	ControlInterface() = default;
	ControlInterface(const Coord2D &coord, EventListenerInterface *listener_ptr, double val, const Coord2D &box_size);
	// Leaves its group, which must not dispatch to it any more.
	~ControlInterface() override;
	ControlInterface(const ControlInterface &) = delete;
	ControlInterface &operator=(const ControlInterface &) = delete;

	int32_t send_message(MessageInterface &m) override;
	// The point minus the coordinate against the box.
	bool check_point(const Coord2D &p) override;
	virtual void refresh_display()
	{
		invalidate_all();
	}
	virtual void stop_user_action() {}
	virtual void do_activate(bool) {}
	virtual void do_enable(bool) {}
	virtual int32_t invalidate(Invalidate &m);
	virtual int32_t redraw(Redraw &m);
	virtual int32_t mouse_capture(MouseCapture &m);
	virtual int32_t mouse_release(MouseRelease &m);
	virtual int32_t set_timer(SetTimer &m);
	virtual int32_t clear_timer(ClearTimer &m);
	virtual int32_t mouse_capture_lost(MouseCaptureLost &m);
	virtual int32_t mouse_move(MouseMove &m);
	virtual int32_t mouse_click(MouseClick &m);
	virtual int32_t notify(Notify &m);
	virtual int32_t key_pressed(KeyPressed &m);
	virtual int32_t text_input_finished(TextInputFinished &m);
	virtual int32_t show_object(ShowObject &m);
	// Asks the window to redraw the box (while shown).
	virtual void invalidate_all();
	virtual void refresh_coord(const Coord2D &coord)
	{
		_coord = coord;
	}

	// Value changes, asked of every listener; false when one refused.
	bool set_val_user(double val, int prio);
	bool set_val_auto(double val, int prio);
	void reserve_val(int prio);
	void release_val(int prio);
	void send_custom_event(long id, void *data_ptr);
	double get_val() const noexcept
	{
		return _val;
	}

	void activate();
	void deactivate();
	bool is_activated() const noexcept
	{
		return _activated;
	}
	// Whether a click selects the control (true at construction).
	void set_activable(bool flag) noexcept
	{
		_activable = flag;
	}
	void enable();
	void disable();
	bool is_enable() const noexcept
	{
		return _enabled;
	}
	bool is_shown() const noexcept
	{
		return _shown;
	}
	void need_auto_update(bool flag) noexcept
	{
		_auto_update = flag;
	}

	const Coord2D &get_coord() const noexcept
	{
		return _coord;
	}
	const Coord2D &get_rel_coord() const noexcept
	{
		return _rel_coord;
	}
	void set_rel_coord(const Coord2D &rel);
	void set_group(CtrlGroupItem *group_ptr) noexcept
	{
		_group_ptr = group_ptr;
	}
	CtrlGroupItem *get_group() const noexcept
	{
		return _group_ptr;
	}

	// Replaces every listener by this one (none for null).
	void set_listener(EventListenerInterface *listener_ptr);
	void push_back_listener(EventListenerInterface &listener);
	// Only when not already there.
	void push_back_listener_unique(EventListenerInterface &listener);
	void remove_listener(EventListenerInterface &listener);
	EventListenerInterface *get_listener(int index = 0) const noexcept;

	// A periodic timer on this control: id gets its id (0 when started);
	// stopping clears it and sets id to -1 (nothing when already -1).
	int32_t start_timer(float delay, int32_t &id);
	void stop_timer(int32_t &id);
	// tracking_type: MouseCapture::TrackingType.
	int32_t capture_mouse(int tracking_type);
	// With the pointer put back at pos (window units) after a relative capture.
	int32_t release_mouse(const Coord2D &pos);

	void set_top_layer_nbr_pic(int nbr);
	void set_top_layer_pic(int index, const Picture &pic);
	void set_cur_top_layer_pic(int index) noexcept
	{
		_cur_top_layer = index;
	}
	int get_cur_top_layer_pic() const noexcept
	{
		return _cur_top_layer;
	}

protected:
	// Sends a message up to the window through the group; -1 when not grouped.
	int32_t send_up(MessageInterface &m);
	// The current top-layer picture, when there is one.
	void redraw_top_layer(Redraw &m);
	// Draws a picture whose hot point lies at pos (window units), on whole
	// device pixels, between sub-pixels, or turned by angle (radians).
	static void draw_pic(const Redraw &m, const Picture &pic, const Coord2D &pos);
	static void draw_pic_subpix(const Redraw &m, const Picture &pic, double x, double y);
	static void draw_pic_rotate(const Redraw &m, const Picture &pic, double x, double y, double angle);
	bool is_in_dispatch() const noexcept
	{
		return _in_dispatch;
	}
	// Shows the value without telling the listeners.
	void set_val_direct(double val) noexcept
	{
		_val = val;
	}

private:
	bool ask_listeners(int prio);
	int32_t dispatch(MessageInterface &m);

	double _val = 0;
	Coord2D _coord;
	Coord2D _rel_coord;
	bool _enabled = true;
	bool _activated = false;
	bool _activable = true;
	CtrlGroupItem *_group_ptr = nullptr;
	std::vector<EventListenerInterface *> _listeners;
	bool _shown = false;
	bool _auto_update = true;
	bool _in_dispatch = false;
	std::vector<ButtonFrame> _top_layer;
	int _cur_top_layer = 0;
};

}  // namespace ruvava
