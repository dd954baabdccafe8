// Picture data that draws itself into a rendering buffer. The pixels are
// not owned: they lie in place inside the plug-in's resources.
#pragma once

#include "gui/Rect.h"
#include "gui/RenderingBufferInterface.h"

namespace ruvava
{

class PicDataInterface
{
public:
	explicit PicDataInterface(const Coord2D &size) noexcept : _size(size) {}
	virtual ~PicDataInterface() = default;

	// Buffer pixel (i, j) shows picture pixel (zone.x0 + i, zone.y0 + j);
	// only what the zone and the clipper share is drawn. 0 when nothing is.
	virtual int blit(const Rect &zone, RenderingBufferInterface &buf, const Rect &clipper) = 0;
	// (x, y): the data point that falls on the buffer's top-left pixel, the
	// picture turned by angle (radians) around it. The base draws nothing.
	virtual int blit_rotate(float x, float y, const Coord2D &size, float angle, RenderingBufferInterface &buf,
	                        const Rect &clipper);
	virtual int blit_rotate_alpha(float x, float y, const Coord2D &size, float angle, RenderingBufferInterface &buf,
	                              const Rect &clipper, float alpha);
	// The base rounds the position down to whole pixels.
	virtual int do_blit_subpix(float x, float y, const Coord2D &size, RenderingBufferInterface &buf,
	                           const Rect &clipper);
	// The base ignores the alpha.
	virtual int do_blit_subpix_alpha(float x, float y, const Coord2D &size, RenderingBufferInterface &buf,
	                                 const Rect &clipper, float alpha);

	// On whole pixels (within 1e-9) an integer blit, else do_blit_subpix.
	int blit_subpix(float x, float y, const Coord2D &size, RenderingBufferInterface &buf, const Rect &clipper);
	const Coord2D &get_size() const noexcept
	{
		return _size;
	}
	void set_size(const Coord2D &size) noexcept
	{
		_size = size;
	}

	// What an integer blit draws: src in picture pixels, dst its place in
	// the buffer. False when nothing.
	bool clip(Rect &src, Coord2D &dst, const Rect &zone, const RenderingBufferInterface &buf,
	          const Rect &clipper) const noexcept;
	// The buffer pixels a sub-pixel blit at (x, y) may touch: those whose
	// neighbourhood (the pixel sampled and the next right and below) meets
	// the clipper. False when none.
	bool clip_subpix(Rect &dst, float x, float y, const Coord2D &size, const RenderingBufferInterface &buf,
	                 const Rect &clipper) const noexcept;
	// The buffer pixels a turned picture may touch, from its clipper's corners.
	bool clip_rotation(Rect &dst, float x, float y, float c, float s, const RenderingBufferInterface &buf,
	                   const Rect &clipper) const noexcept;

protected:
	// The rows of an integer blit: f(buffer row pointer at the first column,
	// picture row y, first and end picture columns). 0 when nothing is drawn.
	template <class F>
	int for_each_row(const Rect &zone, RenderingBufferInterface &buf, const Rect &clipper, F f) const
	{
		Rect src;
		Coord2D dst;
		if (!clip(src, dst, zone, buf, clipper))
		{
			return 0;
		}
		const size_t buf_w = size_t(buf.get_size()._x);
		for (int32_t y = src._y0; y < src._y1; ++y)
		{
			f(buf.get_data_ptr() + size_t(dst._y + y - src._y0) * buf_w + size_t(dst._x), y, src._x0, src._x1);
		}
		return 1;
	}
	// The clipper limited to the picture.
	Rect limit(const Rect &clipper) const noexcept
	{
		return clipper.intersect(Rect(0, 0, _size._x, _size._y));
	}

	Coord2D _size;
};

}  // namespace ruvava
