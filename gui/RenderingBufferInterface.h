// The off-screen picture the editor is composed in: rows of size.x pixels.
#pragma once

#include "gui/AlphaRGB.h"
#include "gui/Coord2D.h"

namespace ruvava
{

class RenderingBufferInterface
{
public:
	explicit RenderingBufferInterface(const Coord2D &size) noexcept : _size(size) {}
	virtual ~RenderingBufferInterface() = default;

	// First pixel.
	virtual AlphaRGB *get_data_ptr() = 0;
	// Shows the top-left size pixels of the buffer at pos in the window.
	virtual void blit(const Coord2D &pos, const Coord2D &size) = 0;
	// Mode 0: the whole buffer in colour; mode 1: a checkerboard of 8 x 8
	// cells, colour where (x mod 16 < 8) equals (y mod 16 < 8), white
	// elsewhere. The base does nothing.
	virtual void fill_buffer(AlphaRGB colour, int mode);

	// Paints a rectangle (clipped to the buffer) in one colour, 0x00RRGGBB.
	void fill_rect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, long rgb);

	const Coord2D &get_size() const noexcept
	{
		return _size;
	}

protected:
	// The fills of fill_buffer, for buffers that implement it.
	void fill(AlphaRGB colour, int mode);

	Coord2D _size;
};

}  // namespace ruvava
