// Palette font.
#include "gui/MulticolorFont.h"

namespace ruvava
{

MulticolorFont::MulticolorFont(const Coord2D &size, const AlphaP *pix_ptr, const AlphaRGB *palette_ptr)
: FontInterface(size), _pix_ptr(pix_ptr), _palette_ptr(palette_ptr)
{
	const AlphaP *marker_ptr = pix_ptr + size_t(size._y - 1) * size_t(size._x);
	build_char_list([marker_ptr](int32_t x) { return (marker_ptr[x]._index << 8) | marker_ptr[x]._alpha; });
}

void MulticolorFont::blit_char(const Rect &src, const Coord2D &dst, RenderingBufferInterface &buf, long) const
{
	Rect s = src;
	Coord2D d = dst;
	if (!clip_char(s, d, buf))
	{
		return;
	}
	const int32_t pic_w = get_pic_size()._x;
	const int32_t buf_w = buf.get_size()._x;
	for (int32_t y = s._y0; y < s._y1; ++y)
	{
		AlphaRGB *d_ptr = buf.get_data_ptr() + size_t(d._y + y - s._y0) * size_t(buf_w) + size_t(d._x);
		for (int32_t x = s._x0; x < s._x1; ++x, ++d_ptr)
		{
			const AlphaP &p = _pix_ptr[size_t(y) * size_t(pic_w) + size_t(x)];
			const AlphaRGB &c = _palette_ptr[p._index];
			const int32_t w = 255 - p._alpha;
			for (int k = 0; k < 3; ++k)
			{
				d_ptr->chn(k) = mix(d_ptr->chn(k), c.chn(k), w);
			}
		}
	}
}

}  // namespace ruvava
