#include "gui/Switch.h"

#include "gui/MouseCapture.h"
#include "gui/MouseClick.h"
#include "gui/MouseRelease.h"
#include "gui/Redraw.h"

namespace ruvava
{

void Switch::set_button_pic(int index, const Picture &pic)
{
	if (index >= 0 && size_t(index) < _buttons.size())
	{
		_buttons[size_t(index)] = {pic, true};
	}
}

int32_t Switch::redraw(Redraw &m)
{
	if (_graduation._present)
	{
		draw_pic(m, _graduation._pic, get_coord());
	}
	if (const Picture *pic_ptr = use_frame(_buttons, get_val()))
	{
		draw_pic(m, *pic_ptr, get_coord());
	}
	if (is_activated() && _selection._present)
	{
		draw_pic(m, _selection._pic, get_coord());
	}
	redraw_top_layer(m);
	return 0;
}

int32_t Switch::mouse_click(MouseClick &m)
{
	if (m.get_state() == 0)
	{
		stop_user_action();
		return 0;
	}
	if (!is_enable() || _captured)
	{
		return 0;
	}
	const Coord2D p = m.get_pos() - get_coord();
	const size_t n = _buttons.size();
	for (size_t i = 0; i < n; ++i)
	{
		if (_buttons[i]._present && _buttons[i]._pic.check_point_units(p))
		{
			set_val_user((n > 1) ? double(i) / double(n - 1) : 0.0, PRIO_USER);
			_captured = (capture_mouse(MouseCapture::TrackingType_NORMAL) == 0);
			break;
		}
	}
	return 0;
}

void Switch::stop_user_action()
{
	if (_captured)
	{
		_captured = false;
		MouseRelease release(*this);
		send_message(release);
	}
}

}  // namespace ruvava
