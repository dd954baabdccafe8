// Rendering buffer.
#include "gui/RenderingBufferInterface.h"

#include <algorithm>

namespace ruvava
{

void RenderingBufferInterface::fill_buffer(AlphaRGB, int) {}

void RenderingBufferInterface::fill(AlphaRGB colour, int mode)
{
	if (mode != 0 && mode != 1)
	{
		return;
	}
	AlphaRGB *pix_ptr = get_data_ptr();
	const AlphaRGB white = AlphaRGB::from_long(0xFFFFFF);
	for (int32_t y = 0; y < _size._y; ++y)
	{
		for (int32_t x = 0; x < _size._x; ++x)
		{
			const bool own = (mode == 0) || (((x % 16) < 8) == ((y % 16) < 8));
			pix_ptr[y * _size._x + x] = own ? colour : white;
		}
	}
}

void RenderingBufferInterface::fill_rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, long rgb)
{
	const AlphaRGB colour = AlphaRGB::from_long(rgb);
	x0 = std::max(x0, int32_t(0));
	y0 = std::max(y0, int32_t(0));
	x1 = std::min(x1, _size._x);
	y1 = std::min(y1, _size._y);
	AlphaRGB *pix_ptr = get_data_ptr();
	for (int32_t y = y0; y < y1; ++y)
	{
		std::fill(pix_ptr + size_t(y) * size_t(_size._x) + size_t(x0), pix_ptr + size_t(y) * size_t(_size._x) + size_t(x1),
		          colour);
	}
}

}  // namespace ruvava
