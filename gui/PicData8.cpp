// Opaque palette picture.
#include "gui/PicData8.h"

namespace ruvava
{

PicData8::PicData8(const Coord2D &size, const uint8_t *index_ptr, const AlphaRGB *palette_ptr) noexcept
: PicDataInterface(size), _index_ptr(index_ptr), _palette_ptr(palette_ptr)
{
}

int PicData8::blit(const Rect &zone, RenderingBufferInterface &buf, const Rect &clipper)
{
	return for_each_row(zone, buf, clipper, [this](AlphaRGB *d_ptr, int32_t y, int32_t x0, int32_t x1) {
		const uint8_t *s_ptr = _index_ptr + size_t(y) * size_t(_size._x);
		for (int32_t x = x0; x < x1; ++x)
		{
			*d_ptr++ = _palette_ptr[s_ptr[x]];
		}
	});
}

}  // namespace ruvava
