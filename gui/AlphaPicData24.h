// A picture of true-colour pixels, each with its opacity.
#pragma once

#include "gui/AlphaBlit.h"

#include <cstdint>

namespace ruvava
{

class AlphaPicData24 : public AlphaBlit<AlphaPicData24>
{
public:
	// Not owned: size.x * size.y pixels, their alpha byte the opacity.
	AlphaPicData24(const Coord2D &size, const AlphaRGB *pix_ptr) noexcept;

	// A colour byte d under picture byte p of alpha a (1..254): floor((p a + d (255 - a)) / 256).
	static uint8_t mix(int32_t d, int32_t p, int32_t a) noexcept
	{
		return uint8_t((p * a + d * (255 - a)) / 256);
	}
	// What the shared drawing reads.
	uint8_t alpha(int32_t x, int32_t y) const noexcept
	{
		return _pix_ptr[size_t(y) * size_t(_size._x) + size_t(x)]._a;
	}
	const AlphaRGB &colour(int32_t x, int32_t y) const noexcept
	{
		return _pix_ptr[size_t(y) * size_t(_size._x) + size_t(x)];
	}

private:
	const AlphaRGB *_pix_ptr;
};

}  // namespace ruvava
