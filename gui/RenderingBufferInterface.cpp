// Rendering buffer.
#include "gui/RenderingBufferInterface.h"

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

}  // namespace ruvava
