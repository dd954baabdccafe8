// The common base of knobs and faders: the motion engine, the pictures
// both have, notches, and what the button-up, the timer and a stop do.
#pragma once

#include "gui/ControlInterface.h"
#include "gui/PotBehaviour.h"

#include <vector>

namespace ruvava
{

class PotInterface : public ControlInterface
{
public:
	// Presence bits of the pictures both kinds have.
	enum PicFlag
	{
		PicFlag_GRADUATION = 2,
		PicFlag_SELECTION = 4,
		PicFlag_ARROW = 8
	};

	// A drag started with Shift held moves this many times more finely.
	static constexpr int32_t FINE_FACTOR = 10;

	PotInterface() : _pot(*this) {}

	virtual void set_graduation_pic(const Picture &pic);
	virtual void remove_graduation_pic();
	virtual void set_selection_pic(const Picture &pic);
	virtual void remove_selection_pic();
	virtual void set_notch_list(const std::vector<double> &notches);
	virtual void remove_notch_list();
	const std::vector<double> &get_notch_list() const noexcept
	{
		return _notches;
	}
	void set_arrow_pic(const Picture &pic);
	void set_xy_rate(double rate) noexcept
	{
		_xy_rate = rate;
	}
	void set_side_click_speed(double speed) noexcept
	{
		_side_click_speed = speed;
	}
	const PotBehaviour &use_behaviour() const noexcept
	{
		return _pot;
	}

	void stop_user_action() override;
	int32_t mouse_capture_lost(MouseCaptureLost &m) override;
	int32_t mouse_move(MouseMove &m) override;
	int32_t mouse_click(MouseClick &m) override;
	int32_t notify(Notify &m) override;

protected:
	// A button went down on the control (enabled, not busy): starts a drag
	// or an attraction; non-zero when it could not.
	virtual int32_t press(const MouseClick &m) = 0;
	virtual void move_dragging(const Coord2D &pos) = 0;
	// Absolute position; d: the offset from the click along the pot's axis.
	virtual int32_t attraction_offset(const Coord2D &pos) const = 0;
	// A drag step after a move: the value follows the target.
	void drag_now();
	// Starts gliding at the side-click speed in one direction.
	int32_t start_attraction(const Coord2D &click, double speed);
	bool has_pic(int flag) const noexcept
	{
		return (_pic_flags & flag) != 0;
	}
	void set_pic_flag(int flag, bool present) noexcept
	{
		_pic_flags = present ? (_pic_flags | flag) : (_pic_flags & ~flag);
	}
	// The mouse travel for the whole range in this drag.
	int32_t drag_range(int32_t range) const noexcept
	{
		return _fine ? range * FINE_FACTOR : range;
	}
	// The arrow shows while dragging with the button still down.
	bool shows_arrow() const noexcept
	{
		return has_pic(PicFlag_ARROW) && _pot.get_mode() == PotBehaviour::Mode_DRAGGING && !_released;
	}

	PotBehaviour _pot;
	Picture _graduation;
	Picture _selection;
	Picture _arrow;
	double _xy_rate = 0;
	double _side_click_speed = 0;

private:
	int _pic_flags = 0;
	std::vector<double> _notches;
	bool _button_down = false;
	bool _released = false;
	bool _fine = false;
	double _attraction_speed = 0;
	Coord2D _click_pos;
};

}  // namespace ruvava
