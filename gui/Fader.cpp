#include "gui/Fader.h"

#include "gui/MouseClick.h"
#include "gui/Redraw.h"

#include <algorithm>
#include <cmath>

namespace ruvava
{

void Fader::get_button_pos(double &x, double &y) const noexcept
{
	const double travel = get_val() * _amplitude;
	x = _vertical ? 0 : travel;
	y = _vertical ? _amplitude - travel : 0;
}

Coord2D Fader::button_pos_at(double val) const noexcept
{
	const int32_t travel = int32_t(std::lround(val * _amplitude));
	return _vertical ? Coord2D(0, _amplitude - travel) : Coord2D(travel, 0);
}

int32_t Fader::redraw(Redraw &m)
{
	const Coord2D &c = get_coord();
	double bx;
	double by;
	get_button_pos(bx, by);
	const bool selected = is_activated() && has_pic(PicFlag_SELECTION);
	const Coord2D sel_pos = _moving_selection ? c + button_pos_at(get_val()) : c;
	if (has_pic(PicFlag_GRADUATION))
	{
		draw_pic(m, _graduation, c);
	}
	if (selected && !_selection_to_top)
	{
		draw_pic(m, _selection, sel_pos);
	}
	draw_pic_subpix(m, _button, c._x + bx, c._y + by);
	if (shows_arrow())
	{
		draw_pic_subpix(m, _arrow, c._x + bx, c._y + by);
	}
	if (selected && _selection_to_top)
	{
		draw_pic(m, _selection, sel_pos);
	}
	redraw_top_layer(m);
	return 0;
}

int32_t Fader::mouse_click(MouseClick &m)
{
	// The pointer of a relative drag reappears on the handle where it comes to rest.
	if (m.get_state() == 0)
	{
		_pot.set_mouse_release_pos(button_pos_at(std::clamp(_pot.get_final_val(), 0.0, 1.0)));
	}
	return PotInterface::mouse_click(m);
}

int32_t Fader::press(const MouseClick &m)
{
	const Coord2D offset = m.get_pos() - get_coord() - button_pos_at(get_val());
	if (_button.check_point_units(offset))
	{
		_pot.set_mouse_release_pos(button_pos_at(get_val()));
		return _pot.start_dragging(get_val());
	}
	const double amp = (_amplitude != 0) ? _amplitude : 1;
	return start_attraction(m.get_pos(), (along(offset) + 0.5) * _side_click_speed / amp);
}

void Fader::move_dragging(const Coord2D &pos)
{
	_pot.drag_record_mouse_move(along(pos), across(pos), drag_range((_mouse_amp >= 0) ? _mouse_amp : _amplitude),
	                            _xy_rate);
	drag_now();
	_pot.set_mouse_release_pos(button_pos_at(get_val()));
}

}  // namespace ruvava
