#include "gui/MessageBoxView.h"

#include "gui/DialogStyle.h"
#include "gui/FontInterface.h"
#include "gui/RenderingBufferInterface.h"
#include "sys/SimpleMessageBox.h"

#include <algorithm>

namespace ruvava
{

namespace
{

constexpr int32_t MARGIN = 14;
constexpr int32_t BUTTON_W = 84;
constexpr int32_t BUTTON_H = 24;
constexpr int32_t GAP = 8;
constexpr int32_t MIN_W = 280;

}  // namespace

MessageBoxView::MessageBoxView(const std::string &title, const std::string &text, int type, int def,
                               const FontInterface &font, int scale)
: DialogView(font, scale), _title(title)
{
	size_t start = 0;
	while (start <= text.size())
	{
		const size_t end = std::min(text.find('\n', start), text.size());
		_lines.push_back(text.substr(start, end - start));
		start = end + 1;
	}
	for (int i = 0; i < sys::SimpleMessageBox::get_nbr_buttons(type); ++i)
	{
		_buttons.push_back(sys::SimpleMessageBox::get_button_text(type, i));
	}
	_focus = std::clamp(def, 0, std::max(get_nbr_buttons() - 1, 0));
	int32_t text_w = 0;
	for (const std::string &l : _lines)
	{
		TextFrame f;
		f.set_text(l);
		text_w = std::max(text_w, _font.get_line_width(f));
	}
	const int32_t buttons_w = px(get_nbr_buttons() * BUTTON_W + (get_nbr_buttons() - 1) * GAP);
	const int32_t w = std::max({px(MIN_W), text_w + px(2 * MARGIN), buttons_w + px(2 * MARGIN)});
	const int32_t line_h = _font.get_char_height() + px(3);
	const int32_t h = px(MARGIN) + int32_t(_lines.size()) * line_h + px(MARGIN + BUTTON_H + MARGIN);
	_size = Coord2D(w, h);
}

std::string MessageBoxView::get_text() const
{
	std::string txt;
	for (size_t i = 0; i < _lines.size(); ++i)
	{
		txt += (i > 0 ? "\n" : "") + _lines[i];
	}
	return txt;
}

Rect MessageBoxView::get_button_box(int index) const
{
	const int n = get_nbr_buttons();
	const int32_t x1 = _size._x - px(MARGIN) - (n - 1 - index) * px(BUTTON_W + GAP);
	const int32_t y1 = _size._y - px(MARGIN);
	return Rect(x1 - px(BUTTON_W), y1 - px(BUTTON_H), x1, y1);
}

void MessageBoxView::render(RenderingBufferInterface &buf) const
{
	buf.fill_rect(0, 0, _size._x, _size._y, DialogStyle::BACK);
	const int32_t line_h = _font.get_char_height() + px(3);
	int32_t y = px(MARGIN);
	for (const std::string &l : _lines)
	{
		_font.print_in(buf, l, Rect(px(MARGIN), y, _size._x - px(MARGIN), y + line_h), DialogStyle::TEXT, 0);
		y += line_h;
	}
	for (int i = 0; i < get_nbr_buttons(); ++i)
	{
		const Rect b = get_button_box(i);
		const bool focus = (i == _focus);
		buf.fill_rect(b._x0, b._y0, b._x1, b._y1, focus ? DialogStyle::FOCUS : DialogStyle::BUTTON_EDGE);
		buf.fill_rect(b._x0 + _scale, b._y0 + _scale, b._x1 - _scale, b._y1 - _scale,
		              focus ? DialogStyle::FOCUS : DialogStyle::BUTTON);
		_font.print_in(buf, _buttons[size_t(i)], b, focus ? DialogStyle::FOCUS_TEXT : DialogStyle::TEXT, 1);
	}
}

void MessageBoxView::press(const Coord2D &p)
{
	for (int i = 0; i < get_nbr_buttons() && !is_done(); ++i)
	{
		if (get_button_box(i).contains(p))
		{
			finish(i);
		}
	}
}

void MessageBoxView::key(Key k)
{
	if (is_done())
	{
		return;
	}
	const int n = get_nbr_buttons();
	switch (k)
	{
	case Key_ENTER:
		finish(_focus);
		break;
	case Key_ESCAPE:
		finish(n - 1);
		break;
	case Key_TAB:
	case Key_RIGHT:
		_focus = (_focus + 1) % n;
		changed();
		break;
	case Key_LEFT:
		_focus = (_focus + n - 1) % n;
		changed();
		break;
	default:
		break;
	}
}

}  // namespace ruvava
