#include "gui/TextBox.h"

#include "gui/FontInterface.h"
#include "gui/MouseClick.h"
#include "gui/Redraw.h"
#include "gui/TextInputFinished.h"
#include "gui/TextInputRequest.h"
#include "gui/TextInputStop.h"

namespace ruvava
{

int32_t TextBox::redraw(Redraw &m)
{
	const Coord2D &c = get_coord();
	if (_background._present)
	{
		draw_pic(m, _background._pic, c);
	}
	if (_font_ptr != nullptr)
	{
		const int s = m.get_scale();
		TextFrame frame = _frame;
		frame.set_size(Coord2D(_frame.get_size()._x * s, _frame.get_size()._y * s));
		_font_ptr->print(m.get_zone_from(c - _text_hot), m.use_buffer(), frame);
	}
	if (_mask._present)
	{
		draw_pic(m, _mask._pic, c);
	}
	redraw_top_layer(m);
	return 0;
}

int32_t TextBox::mouse_click(MouseClick &m)
{
	if (m.get_state() == 0 || _editing || !is_enable())
	{
		return 0;
	}
	if (!_editable)
	{
		send_custom_event(Event_CLICK, nullptr);
		return 0;
	}
	stop_user_action();
	const Coord2D corner = get_coord() - _text_hot;
	TextInputRequest request(*this, _frame.get_text(), Rect(corner, corner + _frame.get_size()), _legend);
	_editing = (send_message(request) == 0);
	return 0;
}

int32_t TextBox::text_input_finished(TextInputFinished &m)
{
	if (!_editing)
	{
		return 0;
	}
	_editing = false;
	if (m.is_validated())
	{
		_frame.set_text(m.get_text());
		send_custom_event(Event_EDITED, nullptr);
		refresh_display();
	}
	return 0;
}

void TextBox::stop_user_action()
{
	if (_editing)
	{
		TextInputStop stop(false);
		send_message(stop);
		_editing = false;
	}
}

}  // namespace ruvava
