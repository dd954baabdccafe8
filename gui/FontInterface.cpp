// Bitmap font printing.
#include "gui/FontInterface.h"

#include <algorithm>

namespace ruvava
{

void FontInterface::print_in(RenderingBufferInterface &buf, const std::string &text, const Rect &box, long rgb,
                             int justification) const
{
	TextFrame frame;
	frame.set_text(text);
	frame.set_font_color(rgb);
	frame.set_justification(justification);
	frame.set_size(Coord2D(box.width(), std::max(box.height(), get_char_height())));
	const int32_t top = box._y0 + (box.height() - get_char_height()) / 2;
	const Coord2D &bs = buf.get_size();
	print(Rect(-box._x0, -top, bs._x - box._x0, bs._y - top), buf, frame);
}

int32_t FontInterface::get_line_width(const TextFrame &frame) const
{
	int32_t width = 0;
	for (const char ch : frame.get_mapped_text())
	{
		const size_t c = static_cast<unsigned char>(ch);
		if (c < _char_list.size())
		{
			width += _char_list[c]._width;
		}
	}
	return width;
}

void FontInterface::print(const Rect &zone, RenderingBufferInterface &buf, const TextFrame &frame) const
{
	const Coord2D &fs = frame.get_size();
	const Rect vis = zone.intersect(Rect(0, 0, fs._x, std::min(fs._y, get_char_height())));
	if (vis.is_empty())
	{
		return;
	}
	const int32_t line_w = get_line_width(frame);
	int32_t x = 0;
	if (frame.get_justification() == TextFrame::Justification_CENTER)
	{
		x = (fs._x - line_w) / 2;
	}
	else if (frame.get_justification() != TextFrame::Justification_LEFT)
	{
		x = fs._x - line_w;
	}
	for (const char ch : frame.get_mapped_text())
	{
		const size_t c = static_cast<unsigned char>(ch);
		if (c >= _char_list.size())
		{
			continue;
		}
		const CharDim &cd = _char_list[c];
		const int32_t x0 = std::max(x, vis._x0);
		const int32_t x1 = std::min(x + cd._width, vis._x1);
		if (x0 < x1)
		{
			const Rect src(cd._x + (x0 - x), vis._y0, cd._x + (x1 - x), vis._y1);
			blit_char(src, Coord2D(x0 - zone._x0, vis._y0 - zone._y0), buf, frame.get_font_color());
		}
		x += cd._width;
	}
}

bool FontInterface::clip_char(Rect &src, Coord2D &dst, const RenderingBufferInterface &buf) const noexcept
{
	const Rect in_pic = src.intersect(Rect(0, 0, _pic_size._x, get_char_height()));
	const Coord2D &bs = buf.get_size();
	const Coord2D shift = dst - Coord2D(src._x0, src._y0);  // picture to buffer
	const Rect in_buf = in_pic.intersect(Rect(0, 0, bs._x, bs._y) - shift);
	if (in_buf.is_empty())
	{
		return false;
	}
	src = in_buf;
	dst = Coord2D(src._x0, src._y0) + shift;
	return true;
}

}  // namespace ruvava
