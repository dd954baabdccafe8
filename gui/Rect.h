// A rectangle of pixels: corner (x0, y0) inclusive, (x1, y1) exclusive.
#pragma once

#include "gui/Coord2D.h"

#include <algorithm>

namespace ruvava
{

class Rect
{
public:
	Rect() = default;
	Rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1) noexcept : _x0(x0), _y0(y0), _x1(x1), _y1(y1) {}
	Rect(const Coord2D &c0, const Coord2D &c1) noexcept : _x0(c0._x), _y0(c0._y), _x1(c1._x), _y1(c1._y) {}

	int32_t width() const noexcept
	{
		return _x1 - _x0;
	}
	int32_t height() const noexcept
	{
		return _y1 - _y0;
	}
	// No pixel inside: a zero or negative width or height.
	bool is_empty() const noexcept
	{
		return _x1 <= _x0 || _y1 <= _y0;
	}
	bool contains(const Coord2D &p) const noexcept
	{
		return _x0 <= p._x && p._x < _x1 && _y0 <= p._y && p._y < _y1;
	}
	// The common part; inverted (empty) when there is none.
	Rect intersect(const Rect &o) const noexcept
	{
		return {std::max(_x0, o._x0), std::max(_y0, o._y0), std::min(_x1, o._x1), std::min(_y1, o._y1)};
	}
	Rect operator+(const Coord2D &c) const noexcept
	{
		return {_x0 + c._x, _y0 + c._y, _x1 + c._x, _y1 + c._y};
	}
	Rect operator-(const Coord2D &c) const noexcept
	{
		return {_x0 - c._x, _y0 - c._y, _x1 - c._x, _y1 - c._y};
	}
	bool operator==(const Rect &o) const noexcept
	{
		return _x0 == o._x0 && _y0 == o._y0 && _x1 == o._x1 && _y1 == o._y1;
	}

	int32_t _x0 = 0;
	int32_t _y0 = 0;
	int32_t _x1 = 0;
	int32_t _y1 = 0;
};

}  // namespace ruvava
