// Asks a tree to draw its part of the destination into the buffer. The
// destination is in the window's units; the buffer holds scale x scale
// device pixels per unit, its top-left pixel at the destination's corner.
#pragma once

#include "gui/GraphicMessage.h"
#include "gui/MessageDown.h"
#include "gui/RenderingBufferInterface.h"

namespace ruvava
{

class Redraw : public MessageDown, public GraphicMessage
{
public:
	Redraw(RenderingBufferInterface &buf, const Rect &dest, int scale = 1) noexcept
	: MessageDown(dest), _buf(buf), _scale(scale)
	{
	}
	RenderingBufferInterface &use_buffer() const noexcept
	{
		return _buf;
	}
	int get_scale() const noexcept
	{
		return _scale;
	}
	// The destination seen from origin, in device pixels: the zone a
	// picture whose hot point lies at origin blits.
	Rect get_zone_from(const Coord2D &origin) const noexcept
	{
		const Rect &d = get_dest_rect();
		return {(d._x0 - origin._x) * _scale, (d._y0 - origin._y) * _scale, (d._x1 - origin._x) * _scale,
		        (d._y1 - origin._y) * _scale};
	}

private:
	RenderingBufferInterface &_buf;
	int _scale;
};

}  // namespace ruvava
