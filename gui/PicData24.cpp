// Opaque true-colour picture.
#include "gui/PicData24.h"

#include <cstring>

namespace ruvava
{

PicData24::PicData24(const Coord2D &size, const AlphaRGB *pix_ptr) noexcept : PicDataInterface(size), _pix_ptr(pix_ptr)
{
}

int PicData24::blit(const Rect &zone, RenderingBufferInterface &buf, const Rect &clipper)
{
	return for_each_row(zone, buf, clipper, [this](AlphaRGB *d_ptr, int32_t y, int32_t x0, int32_t x1) {
		std::memcpy(d_ptr, _pix_ptr + size_t(y) * size_t(_size._x) + size_t(x0), size_t(x1 - x0) * sizeof(AlphaRGB));
	});
}

}  // namespace ruvava
