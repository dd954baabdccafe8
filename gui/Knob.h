// A rotary control: dragged up and down (finely sideways), glides when
// clicked in a lower corner, drawn from a graduation, a strip of button
// frames and a spot on a circle.
#pragma once

#include "gui/PotInterface.h"

#include <vector>

namespace ruvava
{

class Knob : public PotInterface
{
public:
	enum PicFlag
	{
		PicFlag_SPOT = 1,
		PicFlag_SPOT_SHADOW = 16
	};

	Knob();

	void set_spot_pic(const Picture &pic);
	void set_spot_shadow_pic(const Picture &pic);
	void set_nbr_button_frames(int nbr);
	void set_button_pic(int index, const Picture &pic);
	// In turns: the angle of value 0 and the span to value 1 (negative: clockwise).
	void set_angles(double start, double range) noexcept
	{
		_angle_start = start;
		_angle_range = range;
	}
	void set_radius(double radius) noexcept
	{
		_radius = radius;
	}
	void set_spot_shadow_offset(const Coord2D &offset) noexcept
	{
		_shadow_offset = offset;
	}
	// In turns: the angle of the first frame and the turn between frames.
	void set_button_angle_base(double base) noexcept
	{
		_button_base = base;
	}
	void set_button_angle_per(double per) noexcept
	{
		_button_per = per;
	}
	void set_rotating_spot_flag(bool flag) noexcept
	{
		_rotating_spot = flag;
	}
	void set_rotating_button_flag(bool flag) noexcept
	{
		_rotating_button = flag;
	}
	// Pixels of drag for the whole range.
	void set_height(int32_t height) noexcept
	{
		_height = height;
	}
	// Radians, anticlockwise from the right.
	double get_angle() const noexcept;

	int32_t redraw(Redraw &m) override;

protected:
	int32_t press(const MouseClick &m) override;
	void move_dragging(const Coord2D &pos) override;
	int32_t attraction_offset(const Coord2D &pos) const override
	{
		return pos._x;
	}

private:
	Picture _spot;
	Picture _spot_shadow;
	int _knob_flags = 0;
	std::vector<ButtonFrame> _frames;
	double _angle_start = 0.625;
	double _angle_range = -0.75;
	double _radius = 0;
	Coord2D _shadow_offset;
	double _button_base = 0;
	double _button_per = 1.0;
	bool _rotating_spot = false;
	bool _rotating_button = false;
	int32_t _height = 200;
};

}  // namespace ruvava
