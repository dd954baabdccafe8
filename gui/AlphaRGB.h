// Pixel records as the pictures and the rendering buffer store them.
#pragma once

#include <cstdint>

namespace ruvava
{

// One 32-bit pixel: bytes blue, green, red, alpha in memory (the
// little-endian value 0xAARRGGBB). Colour byte k is blue, green, red for k = 0, 1, 2.
struct AlphaRGB
{
	uint8_t _b;
	uint8_t _g;
	uint8_t _r;
	uint8_t _a;

	// From a colour given as 0x00RRGGBB, alpha 0.
	static AlphaRGB from_long(long rgb) noexcept
	{
		return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16), 0};
	}
	long to_long() const noexcept
	{
		return long(_b) | (long(_g) << 8) | (long(_r) << 16);
	}
	uint8_t &chn(int k) noexcept
	{
		return (&_b)[k];
	}
	uint8_t chn(int k) const noexcept
	{
		return (&_b)[k];
	}
};
static_assert(sizeof(AlphaRGB) == 4, "a pixel is four bytes");

// A palette index and its opacity (0 transparent, 255 opaque).
struct AlphaP
{
	uint8_t _index;
	uint8_t _alpha;
};
static_assert(sizeof(AlphaP) == 2, "two bytes");

}  // namespace ruvava
