// Picture data: clipping and the default drawing.
#include "gui/PicDataInterface.h"

#include <algorithm>
#include <cmath>

namespace ruvava
{

int PicDataInterface::blit_rotate(float, float, const Coord2D &, float, RenderingBufferInterface &, const Rect &)
{
	return 0;
}

int PicDataInterface::blit_rotate_alpha(float, float, const Coord2D &, float, RenderingBufferInterface &,
                                        const Rect &, float)
{
	return 0;
}

int PicDataInterface::do_blit_subpix(float x, float y, const Coord2D &size, RenderingBufferInterface &buf,
                                     const Rect &clipper)
{
	const int32_t ix = int32_t(std::floor(x));
	const int32_t iy = int32_t(std::floor(y));
	return blit(Rect(ix, iy, ix + size._x, iy + size._y), buf, clipper);
}

int PicDataInterface::do_blit_subpix_alpha(float x, float y, const Coord2D &size, RenderingBufferInterface &buf,
                                           const Rect &clipper, float)
{
	return blit_subpix(x, y, size, buf, clipper);
}

int PicDataInterface::blit_subpix(float x, float y, const Coord2D &size, RenderingBufferInterface &buf,
                                  const Rect &clipper)
{
	const double rx = std::floor(double(x) + 0.5);
	const double ry = std::floor(double(y) + 0.5);
	if (std::fabs(rx - double(x)) < 1e-9 && std::fabs(ry - double(y)) < 1e-9)
	{
		const int32_t ix = int32_t(rx);
		const int32_t iy = int32_t(ry);
		return blit(Rect(ix, iy, ix + size._x, iy + size._y), buf, clipper);
	}
	return do_blit_subpix(x, y, size, buf, clipper);
}

bool PicDataInterface::clip(Rect &src, Coord2D &dst, const Rect &zone, const RenderingBufferInterface &buf,
                            const Rect &clipper) const noexcept
{
	const Coord2D &bs = buf.get_size();
	const Rect in_buf(zone._x0, zone._y0, zone._x0 + bs._x, zone._y0 + bs._y);
	src = zone.intersect(limit(clipper)).intersect(in_buf);
	if (src.is_empty())
	{
		return false;
	}
	dst = Coord2D(src._x0 - zone._x0, src._y0 - zone._y0);
	return true;
}

bool PicDataInterface::clip_subpix(Rect &dst, float x, float y, const Coord2D &size,
                                   const RenderingBufferInterface &buf, const Rect &clipper) const noexcept
{
	const Rect c = limit(clipper);
	if (c.is_empty() || !std::isfinite(x) || !std::isfinite(y))
	{
		return false;
	}
	// Buffer column i samples data column floor(x) + i and the one after.
	const double fx = std::floor(double(x));
	const double fy = std::floor(double(y));
	const Coord2D &bs = buf.get_size();
	const double i0 = std::max(0.0, double(c._x0) - 1 - fx);
	const double j0 = std::max(0.0, double(c._y0) - 1 - fy);
	const double i1 = std::min({double(size._x), double(bs._x), double(c._x1) - fx});
	const double j1 = std::min({double(size._y), double(bs._y), double(c._y1) - fy});
	if (i1 <= i0 || j1 <= j0)
	{
		return false;
	}
	dst = Rect(int32_t(i0), int32_t(j0), int32_t(i1), int32_t(j1));
	return true;
}

bool PicDataInterface::clip_rotation(Rect &dst, float x, float y, float c, float s,
                                     const RenderingBufferInterface &buf, const Rect &clipper) const noexcept
{
	const Rect cl = limit(clipper);
	if (cl.is_empty() || !std::isfinite(x) || !std::isfinite(y))
	{
		return false;
	}
	double col_min = 1e30;
	double col_max = -1e30;
	double row_min = 1e30;
	double row_max = -1e30;
	for (const int32_t cx : {cl._x0, cl._x1})
	{
		for (const int32_t cy : {cl._y0, cl._y1})
		{
			const double u = double(cx) - double(x);
			const double v = double(cy) - double(y);
			const double col = std::floor(v * double(s) + u * double(c));
			const double row = std::floor(v * double(c) - u * double(s));
			col_min = std::min(col_min, col);
			col_max = std::max(col_max, col);
			row_min = std::min(row_min, row);
			row_max = std::max(row_max, row);
		}
	}
	const Coord2D &bs = buf.get_size();
	const double i0 = std::max(0.0, col_min - 1);
	const double j0 = std::max(0.0, row_min - 1);
	const double i1 = std::min(double(bs._x), col_max + 2);
	const double j1 = std::min(double(bs._y), row_max + 2);
	if (i1 <= i0 || j1 <= j0)
	{
		return false;
	}
	dst = Rect(int32_t(i0), int32_t(j0), int32_t(i1), int32_t(j1));
	return true;
}

}  // namespace ruvava
