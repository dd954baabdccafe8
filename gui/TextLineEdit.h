// The line being typed in the text line editor, whatever shows it: the
// text, the caret, the initial whole-text selection, what keys do, and how
// it looks.
#pragma once

#include "gui/Rect.h"

#include <string>

namespace ruvava
{

class FontInterface;
class RenderingBufferInterface;

class TextLineEdit
{
public:
	enum Key
	{
		Key_LEFT,
		Key_RIGHT,
		Key_HOME,
		Key_END,
		Key_BACKSPACE,
		Key_DELETE,
		Key_ENTER,
		Key_ESCAPE
	};
	enum Outcome
	{
		Outcome_EDITING = 0,
		Outcome_VALIDATED,
		Outcome_CANCELLED
	};

	// The whole text starts selected, so that typing replaces it.
	void start(const std::string &text);
	Outcome key(Key k);
	// Printable characters (one byte each, as the fonts code them) go in at
	// the caret; control characters are ignored.
	void type(const std::string &chars);
	const std::string &get_text() const noexcept
	{
		return _text;
	}
	size_t get_caret() const noexcept
	{
		return _caret;
	}
	bool is_all_selected() const noexcept
	{
		return _all_selected;
	}
	// Draws the entry into a buffer of its size; scale: device pixels per unit.
	void render(RenderingBufferInterface &buf, const FontInterface &font, int scale) const;

private:
	std::string _text;
	size_t _caret = 0;
	bool _all_selected = false;
};

}  // namespace ruvava
