// A font of palette colours, each pixel with its transparency.
#pragma once

#include "gui/AlphaRGB.h"
#include "gui/FontInterface.h"

namespace ruvava
{

class MulticolorFont : public FontInterface
{
public:
	// Not owned: size.x * size.y (index, transparency) pairs, the last row
	// the markers, and the palette.
	MulticolorFont(const Coord2D &size, const AlphaP *pix_ptr, const AlphaRGB *palette_ptr);

	// Each colour byte moves towards the palette colour by (255 - transparency) / 256;
	// the frame's colour is not used.
	void blit_char(const Rect &src, const Coord2D &dst, RenderingBufferInterface &buf, long colour) const override;

private:
	const AlphaP *_pix_ptr;
	const AlphaRGB *_palette_ptr;
};

}  // namespace ruvava
