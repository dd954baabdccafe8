// A font of coverage bytes, printed in the frame's colour.
#pragma once

#include "gui/FontInterface.h"

namespace ruvava
{

class UnicolorFont : public FontInterface
{
public:
	// Not owned: size.x * size.y coverage bytes, the last row the markers.
	UnicolorFont(const Coord2D &size, const uint8_t *cover_ptr);

	// Each colour byte moves towards the colour by coverage / 256.
	void blit_char(const Rect &src, const Coord2D &dst, RenderingBufferInterface &buf, long colour) const override;

private:
	const uint8_t *_cover_ptr;
};

}  // namespace ruvava
