// An opaque picture of true-colour pixels.
#pragma once

#include "gui/PicDataInterface.h"

namespace ruvava
{

class PicData24 : public PicDataInterface
{
public:
	// Not owned: size.x * size.y pixels.
	PicData24(const Coord2D &size, const AlphaRGB *pix_ptr) noexcept;

	// Copies whole rows.
	int blit(const Rect &zone, RenderingBufferInterface &buf, const Rect &clipper) override;

private:
	const AlphaRGB *_pix_ptr;
};

}  // namespace ruvava
