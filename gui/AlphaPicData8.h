// A picture of palette indices, each with its opacity.
#pragma once

#include "gui/AlphaBlit.h"

#include <cstdint>

namespace ruvava
{

class AlphaPicData8 : public AlphaBlit<AlphaPicData8>
{
public:
	// Not owned: size.x * size.y (index, alpha) pairs and the palette.
	AlphaPicData8(const Coord2D &size, const AlphaP *pix_ptr, const AlphaRGB *palette_ptr) noexcept;

	// A colour byte d under picture byte p of alpha a (1..254): d moves by floor((p - d) a / 256).
	static uint8_t mix(int32_t d, int32_t p, int32_t a) noexcept
	{
		return uint8_t(d + floor_div_65536((p - d) * a * 256));
	}
	// What the shared drawing reads.
	uint8_t alpha(int32_t x, int32_t y) const noexcept
	{
		return _pix_ptr[size_t(y) * size_t(_size._x) + size_t(x)]._alpha;
	}
	const AlphaRGB &colour(int32_t x, int32_t y) const noexcept
	{
		return _palette_ptr[_pix_ptr[size_t(y) * size_t(_size._x) + size_t(x)]._index];
	}

private:
	const AlphaP *_pix_ptr;
	const AlphaRGB *_palette_ptr;
};

}  // namespace ruvava
