#include "gui/TextLineEditorPopup.h"

#include "gui/FontInterface.h"
#include "gui/PumpedWindow.h"
#include "gui/TextInputRequest.h"

#include <algorithm>

namespace ruvava
{

TextLineEditorPopup::TextLineEditorPopup(PumpedWindow &window) : TextLineEditorInterface(window), _window(window) {}

int32_t TextLineEditorPopup::do_begin(const TextInputRequest &request)
{
	if (_window.use_sys_font() == nullptr)
	{
		return -1;
	}
	const int s = _window.get_scale();
	const Rect &z = request.get_zone();
	const Coord2D org = _window.get_screen_origin();
	// Tall enough for the font, whatever the zone.
	const int32_t h = std::max(z.height() * s, _window.use_sys_font()->get_char_height() + 4 * s);
	const int32_t y0 = z._y0 * s + (z.height() * s - h) / 2;
	_frame = Rect(org._x + z._x0 * s, org._y + y0, org._x + z._x1 * s, org._y + y0 + h);
	_edit.start(get_text());
	run(true);
	do_show();
	return 0;
}

int32_t TextLineEditorPopup::do_stop()
{
	set_text(_edit.get_text());
	run(false);
	do_show();
	return 0;
}

void TextLineEditorPopup::finish(bool validated)
{
	validate(validated);
	stop();
}

void TextLineEditorPopup::key(TextLineEdit::Key k)
{
	if (!is_running())
	{
		return;
	}
	const TextLineEdit::Outcome outcome = _edit.key(k);
	if (outcome == TextLineEdit::Outcome_EDITING)
	{
		do_show();
	}
	else
	{
		finish(outcome == TextLineEdit::Outcome_VALIDATED);
	}
}

void TextLineEditorPopup::type(const std::string &chars)
{
	if (is_running())
	{
		_edit.type(chars);
		do_show();
	}
}

void TextLineEditorPopup::press(const Coord2D &screen_pos)
{
	if (is_running() && !_frame.contains(screen_pos))
	{
		finish(false);
	}
}

}  // namespace ruvava
