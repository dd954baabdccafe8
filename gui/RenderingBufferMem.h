// A rendering buffer in plain memory: for composing off-screen (tests, the
// art tools) and as the pixels a window puts on screen.
#pragma once

#include "gui/RenderingBufferInterface.h"

#include <cstddef>
#include <vector>

namespace ruvava
{

class RenderingBufferMem : public RenderingBufferInterface
{
public:
	explicit RenderingBufferMem(const Coord2D &size);

	AlphaRGB *get_data_ptr() override
	{
		return _pix.data();
	}
	// Nothing to show on: counts the calls.
	void blit(const Coord2D &pos, const Coord2D &size) override;
	void fill_buffer(AlphaRGB colour, int mode) override
	{
		fill(colour, mode);
	}

	AlphaRGB &at(int32_t x, int32_t y)
	{
		return _pix[size_t(y) * size_t(_size._x) + size_t(x)];
	}
	const AlphaRGB &at(int32_t x, int32_t y) const
	{
		return _pix[size_t(y) * size_t(_size._x) + size_t(x)];
	}
	int get_nbr_blits() const noexcept
	{
		return _nbr_blits;
	}

private:
	std::vector<AlphaRGB> _pix;
	int _nbr_blits = 0;
};

}  // namespace ruvava
