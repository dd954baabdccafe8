// A point or an extent in pixels: x grows to the right, y downwards.
#pragma once

#include <cstdint>

namespace ruvava
{

class Coord2D
{
public:
	Coord2D() = default;
	Coord2D(int32_t x, int32_t y) noexcept : _x(x), _y(y) {}

	Coord2D operator+(const Coord2D &o) const noexcept
	{
		return {_x + o._x, _y + o._y};
	}
	Coord2D operator-(const Coord2D &o) const noexcept
	{
		return {_x - o._x, _y - o._y};
	}
	bool operator==(const Coord2D &o) const noexcept
	{
		return _x == o._x && _y == o._y;
	}
	bool operator!=(const Coord2D &o) const noexcept
	{
		return !(*this == o);
	}

	int32_t _x = 0;
	int32_t _y = 0;
};

}  // namespace ruvava
