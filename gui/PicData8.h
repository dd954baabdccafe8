// An opaque picture of palette indices.
#pragma once

#include "gui/PicDataInterface.h"

#include <cstdint>

namespace ruvava
{

class PicData8 : public PicDataInterface
{
public:
	// Not owned: index plane of size.x * size.y bytes and the palette.
	PicData8(const Coord2D &size, const uint8_t *index_ptr, const AlphaRGB *palette_ptr) noexcept;

	// Copies the palette entry, all four bytes.
	int blit(const Rect &zone, RenderingBufferInterface &buf, const Rect &clipper) override;

private:
	const uint8_t *_index_ptr;
	const AlphaRGB *_palette_ptr;
};

}  // namespace ruvava
