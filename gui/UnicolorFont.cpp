// Coverage font.
#include "gui/UnicolorFont.h"

namespace ruvava
{

UnicolorFont::UnicolorFont(const Coord2D &size, const uint8_t *cover_ptr) : FontInterface(size), _cover_ptr(cover_ptr)
{
	const uint8_t *marker_ptr = cover_ptr + size_t(size._y - 1) * size_t(size._x);
	build_char_list([marker_ptr](int32_t x) { return marker_ptr[x]; });
}

void UnicolorFont::blit_char(const Rect &src, const Coord2D &dst, RenderingBufferInterface &buf, long colour) const
{
	Rect s = src;
	Coord2D d = dst;
	if (!clip_char(s, d, buf))
	{
		return;
	}
	const AlphaRGB c = AlphaRGB::from_long(colour);
	const int32_t pic_w = get_pic_size()._x;
	const int32_t buf_w = buf.get_size()._x;
	for (int32_t y = s._y0; y < s._y1; ++y)
	{
		AlphaRGB *d_ptr = buf.get_data_ptr() + size_t(d._y + y - s._y0) * size_t(buf_w) + size_t(d._x);
		for (int32_t x = s._x0; x < s._x1; ++x, ++d_ptr)
		{
			const int32_t w = _cover_ptr[size_t(y) * size_t(pic_w) + size_t(x)];
			for (int k = 0; k < 3; ++k)
			{
				d_ptr->chn(k) = mix(d_ptr->chn(k), c.chn(k), w);
			}
		}
	}
}

}  // namespace ruvava
