// Asks the window to redraw a zone.
#pragma once

#include "gui/GraphicMessage.h"
#include "gui/MessageUp.h"
#include "gui/Rect.h"

namespace ruvava
{

class Invalidate : public MessageUp, public GraphicMessage
{
public:
	Invalidate() = default;
	explicit Invalidate(const Rect &zone) noexcept : _zone(zone) {}
	Invalidate(const Coord2D &c0, const Coord2D &c1) noexcept : _zone(c0, c1) {}
	Invalidate(int32_t x0, int32_t y0, int32_t x1, int32_t y1) noexcept : _zone(x0, y0, x1, y1) {}
	const Rect &get_zone() const noexcept
	{
		return _zone;
	}
	void set_zone(const Rect &zone) noexcept
	{
		_zone = zone;
	}

private:
	Rect _zone;
};

}  // namespace ruvava
