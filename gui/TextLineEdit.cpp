#include "gui/TextLineEdit.h"

#include "gui/FontInterface.h"
#include "gui/RenderingBufferInterface.h"

#include <algorithm>

namespace ruvava
{

namespace
{

constexpr long COL_FRAME = 0x2F5F93;
constexpr long COL_BACK = 0xFFFFFF;
constexpr long COL_TEXT = 0x101010;
constexpr long COL_SELECTION = 0xB7CCE4;

}  // namespace

void TextLineEdit::start(const std::string &text)
{
	_text = text;
	_caret = text.size();
	_all_selected = !text.empty();
}

TextLineEdit::Outcome TextLineEdit::key(Key k)
{
	const bool was_all = _all_selected;
	_all_selected = false;
	switch (k)
	{
	case Key_ENTER:
		return Outcome_VALIDATED;
	case Key_ESCAPE:
		return Outcome_CANCELLED;
	case Key_LEFT:
		_caret = was_all ? 0 : (_caret > 0 ? _caret - 1 : 0);
		break;
	case Key_RIGHT:
		_caret = was_all ? _text.size() : std::min(_caret + 1, _text.size());
		break;
	case Key_HOME:
		_caret = 0;
		break;
	case Key_END:
		_caret = _text.size();
		break;
	case Key_BACKSPACE:
		if (was_all)
		{
			_text.clear();
			_caret = 0;
		}
		else if (_caret > 0)
		{
			_text.erase(--_caret, 1);
		}
		break;
	case Key_DELETE:
		if (was_all)
		{
			_text.clear();
			_caret = 0;
		}
		else if (_caret < _text.size())
		{
			_text.erase(_caret, 1);
		}
		break;
	}
	return Outcome_EDITING;
}

void TextLineEdit::type(const std::string &chars)
{
	for (const char ch : chars)
	{
		const unsigned char c = static_cast<unsigned char>(ch);
		if (c < 0x20 || c == 0x7F)
		{
			continue;
		}
		if (_all_selected)
		{
			_text.clear();
			_caret = 0;
			_all_selected = false;
		}
		_text.insert(_caret++, 1, ch);
	}
}

void TextLineEdit::render(RenderingBufferInterface &buf, const FontInterface &font, int scale) const
{
	const Coord2D &size = buf.get_size();
	const int32_t s = std::max(scale, 1);
	buf.fill_rect(0, 0, size._x, size._y, COL_FRAME);
	buf.fill_rect(s, s, size._x - s, size._y - s, COL_BACK);
	TextFrame frame;
	frame.set_text(_text);
	const int32_t text_w = font.get_line_width(frame);
	// Centred while it fits; beyond, the end of the line stays in view.
	const int32_t inner = size._x - 6 * s;
	const int32_t x0 = (text_w <= inner) ? (size._x - text_w) / 2 : size._x - 3 * s - text_w;
	const int32_t top = (size._y - font.get_char_height()) / 2;
	if (_all_selected)
	{
		buf.fill_rect(x0, top, x0 + text_w, top + font.get_char_height(), COL_SELECTION);
	}
	font.print_in(buf, _text, Rect(x0, 0, x0 + std::max(text_w, int32_t(1)), size._y), COL_TEXT, 0);
	if (!_all_selected)
	{
		frame.set_text(_text.substr(0, _caret));
		const int32_t cx = x0 + font.get_line_width(frame);
		buf.fill_rect(cx, top, cx + s, top + font.get_char_height(), COL_TEXT);
	}
}

}  // namespace ruvava
