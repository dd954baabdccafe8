// What a font prints: a text, its colour, its justification and the frame it fills.
#pragma once

#include "gui/Coord2D.h"

#include <string>

namespace ruvava
{

class TextFrame
{
public:
	enum Justification
	{
		Justification_LEFT = 0,
		Justification_CENTER = 1,
		Justification_RIGHT = 2  // and any other value
	};

	void set_text(const std::string &text)
	{
		_text = text;
	}
	const std::string &get_text() const noexcept
	{
		return _text;
	}
	// The text as drawn: every character through SystemFnc::map_char_for_disp.
	std::string get_mapped_text() const;
	// 0x00RRGGBB.
	void set_font_color(long rgb) noexcept
	{
		_color = rgb & 0xFFFFFF;
	}
	void set_font_color(int r, int g, int b) noexcept
	{
		_color = ((long(r) & 0xFF) << 16) | ((long(g) & 0xFF) << 8) | (long(b) & 0xFF);
	}
	long get_font_color() const noexcept
	{
		return _color;
	}
	void set_justification(int j) noexcept
	{
		_justification = j;
	}
	int get_justification() const noexcept
	{
		return _justification;
	}
	void set_size(const Coord2D &size) noexcept
	{
		_size = size;
	}
	const Coord2D &get_size() const noexcept
	{
		return _size;
	}

private:
	std::string _text;
	long _color = 0;
	int _justification = Justification_LEFT;
	Coord2D _size;
};

}  // namespace ruvava
