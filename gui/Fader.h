// A linear control: a handle moving along a track, dragged along its axis
// (finely across it), gliding towards a click beside the handle.
#pragma once

#include "gui/PotInterface.h"

namespace ruvava
{

class Fader : public PotInterface
{
public:
	enum Direction
	{
		Direction_HORIZONTAL = 0,
		Direction_VERTICAL = 1
	};

	Fader() = default;

	// The handle, always drawn.
	void set_button_pic(const Picture &pic)
	{
		_button = pic;
	}
	void set_direction(Direction dir) noexcept
	{
		_vertical = (dir != Direction_HORIZONTAL);
	}
	// Pixels of travel of the handle.
	void set_amplitude(int32_t amp) noexcept
	{
		_amplitude = amp;
	}
	// Pixels of mouse movement for the whole range; -1: the amplitude.
	void set_mouse_amp(int32_t amp) noexcept
	{
		_mouse_amp = amp;
	}
	void set_moving_selection_flag(bool flag) noexcept
	{
		_moving_selection = flag;
	}
	void set_selection_to_top(bool flag) noexcept
	{
		_selection_to_top = flag;
	}
	// The handle's offset from the control's origin for the current value.
	void get_button_pos(double &x, double &y) const noexcept;

	int32_t redraw(Redraw &m) override;
	int32_t mouse_click(MouseClick &m) override;

protected:
	int32_t press(const MouseClick &m) override;
	void move_dragging(const Coord2D &pos) override;
	int32_t attraction_offset(const Coord2D &pos) const override
	{
		return along(pos) * ((_amplitude < 0) ? -1 : 1);
	}

private:
	// The component along the primary and the secondary axis.
	int32_t along(const Coord2D &p) const noexcept
	{
		return _vertical ? -p._y : p._x;
	}
	int32_t across(const Coord2D &p) const noexcept
	{
		return _vertical ? p._x : -p._y;
	}
	// The handle's offset for a value, to whole units.
	Coord2D button_pos_at(double val) const noexcept;

	Picture _button;
	bool _vertical = false;
	int32_t _amplitude = 200;
	int32_t _mouse_amp = -1;
	bool _moving_selection = false;
	bool _selection_to_top = false;
};

}  // namespace ruvava
