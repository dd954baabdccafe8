#include "gui/Knob.h"

#include "gui/MouseClick.h"
#include "gui/Redraw.h"

#include <cmath>

namespace ruvava
{

namespace
{

constexpr double TWO_PI = 2 * 3.14159265358979323846;

}  // namespace

Knob::Knob() : _frames(1)
{
	set_side_click_speed(1.0);
}

void Knob::set_spot_pic(const Picture &pic)
{
	_spot = pic;
	_knob_flags |= PicFlag_SPOT;
}

void Knob::set_spot_shadow_pic(const Picture &pic)
{
	_spot_shadow = pic;
	_knob_flags |= PicFlag_SPOT_SHADOW;
}

void Knob::set_nbr_button_frames(int nbr)
{
	_frames.resize(size_t(std::max(nbr, 1)));
}

void Knob::set_button_pic(int index, const Picture &pic)
{
	if (index >= 0 && size_t(index) < _frames.size())
	{
		_frames[size_t(index)] = {pic, true};
	}
}

double Knob::get_angle() const noexcept
{
	return (get_val() * _angle_range + _angle_start) * TWO_PI;
}

int32_t Knob::redraw(Redraw &m)
{
	const Coord2D &c = get_coord();
	if (has_pic(PicFlag_GRADUATION))
	{
		draw_pic(m, _graduation, c);
	}
	const double a = get_angle();
	const int n = int(_frames.size());
	const double t = (a / TWO_PI - _button_base) / _button_per + 0.5 / n;
	const double ft = (t - std::floor(t)) * n;
	const int index = std::min(int(std::floor(ft)), n - 1);
	const ButtonFrame &frame = _frames[size_t(index)];
	if (frame._present)
	{
		if (_rotating_button)
		{
			draw_pic_rotate(m, frame._pic, c._x, c._y, (ft - index - 0.5) * _button_per / n * TWO_PI);
		}
		else
		{
			draw_pic(m, frame._pic, c);
		}
	}
	const double sx = c._x + std::cos(a) * _radius;
	const double sy = c._y - std::sin(a) * _radius;
	const double spot_angle = _rotating_spot ? a : 0;
	if ((_knob_flags & PicFlag_SPOT_SHADOW) != 0)
	{
		draw_pic_rotate(m, _spot_shadow, sx + _shadow_offset._x, sy + _shadow_offset._y, spot_angle);
	}
	if ((_knob_flags & PicFlag_SPOT) != 0)
	{
		draw_pic_rotate(m, _spot, sx, sy, spot_angle);
	}
	if (is_activated() && has_pic(PicFlag_SELECTION))
	{
		draw_pic(m, _selection, c);
	}
	if (shows_arrow())
	{
		draw_pic(m, _arrow, c);
	}
	redraw_top_layer(m);
	return 0;
}

int32_t Knob::press(const MouseClick &m)
{
	// The click seen from the frame's top-left corner: the lower corners of
	// the frame are the side-click triangles.
	const ButtonFrame &frame = _frames.front();
	const Rect area = frame._present ? frame._pic.get_unit_box() : get_box();
	const Coord2D p = m.get_pos() - get_coord() - Coord2D(area._x0, area._y0);
	const int64_t w = area.width();
	const int64_t h = area.height();
	const double sign = (_angle_range < 0) ? -1 : 1;
	double direction = 0;
	if (3 * w * p._y > (2 * w + 3 * int64_t(p._x)) * h)
	{
		direction = sign;
	}
	else if (3 * w * p._y > (5 * w - 3 * int64_t(p._x)) * h)
	{
		direction = -sign;
	}
	if (direction == 0)
	{
		return _pot.start_dragging(get_val());
	}
	return start_attraction(m.get_pos(), _side_click_speed * direction);
}

void Knob::move_dragging(const Coord2D &pos)
{
	_pot.drag_record_mouse_move(-pos._y, pos._x, drag_range(_height), _xy_rate);
	drag_now();
}

}  // namespace ruvava
