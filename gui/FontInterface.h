// A bitmap font: a strip of glyphs side by side, one per byte code, above a
// marker row whose value changes at the first column of every glyph.
#pragma once

#include "gui/Rect.h"
#include "gui/RenderingBufferInterface.h"
#include "gui/TextFrame.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ruvava
{

class FontInterface
{
public:
	struct CharDim
	{
		int32_t _width;
		int32_t _x;
	};

	virtual ~FontInterface() = default;

	// One per glyph, in code order.
	const std::vector<CharDim> &use_char_list() const noexcept
	{
		return _char_list;
	}
	const Coord2D &get_pic_size() const noexcept
	{
		return _pic_size;
	}
	int32_t get_char_height() const noexcept
	{
		return _pic_size._y - 1;
	}
	// Prints the frame's text; zone: the buffer's area in the frame's
	// coordinates. Bytes without a glyph neither draw nor advance.
	void print(const Rect &zone, RenderingBufferInterface &buf, const TextFrame &frame) const;
	// Prints one line in a box of the buffer (device pixels), centred
	// vertically, justified as TextFrame says.
	void print_in(RenderingBufferInterface &buf, const std::string &text, const Rect &box, long rgb,
	              int justification) const;
	// The widths of the text's characters that have a glyph, summed.
	int32_t get_line_width(const TextFrame &frame) const;

	// Draws the font picture's src rectangle at dst in the buffer (clipped to it).
	virtual void blit_char(const Rect &src, const Coord2D &dst, RenderingBufferInterface &buf, long colour) const = 0;

protected:
	explicit FontInterface(const Coord2D &pic_size) noexcept : _pic_size(pic_size) {}
	// The glyphs from the marker row, marker(x) giving its value at column x.
	template <class F>
	void build_char_list(F marker)
	{
		int32_t start = 0;
		for (int32_t x = 1; x <= _pic_size._x; ++x)
		{
			if (x == _pic_size._x || marker(x) != marker(x - 1))
			{
				_char_list.push_back({x - start, start});
				start = x;
			}
		}
	}
	// src limited to the picture's glyph rows and, placed at dst, to the
	// buffer; false when nothing is left.
	bool clip_char(Rect &src, Coord2D &dst, const RenderingBufferInterface &buf) const noexcept;

	// A colour byte d moved towards c by w / 256.
	static uint8_t mix(int32_t d, int32_t c, int32_t w) noexcept
	{
		const int32_t n = (c - d) * w;
		return uint8_t(d + ((n >= 0) ? n / 256 : -((-n + 255) / 256)));
	}

private:
	Coord2D _pic_size;
	std::vector<CharDim> _char_list;
};

}  // namespace ruvava
