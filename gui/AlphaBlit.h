// The bilinear and turned drawing that both alpha picture classes share:
// their base, SRC being the class itself, which gives a data pixel's alpha
// (0..255) and colour (AlphaRGB).
#pragma once

#include "gui/PicDataInterface.h"

#include <cmath>
#include <cstdint>

namespace ruvava
{

template <class SRC>
class AlphaBlit : public PicDataInterface
{
public:
	using PicDataInterface::PicDataInterface;

	// Alpha 0 keeps the buffer pixel, 255 copies the picture's, others mix
	// each colour byte by the class's own formula (SRC::mix).
	int blit(const Rect &zone, RenderingBufferInterface &buf, const Rect &clipper) override
	{
		const SRC &src = static_cast<const SRC &>(*this);
		return this->for_each_row(zone, buf, clipper, [&src](AlphaRGB *d_ptr, int32_t y, int32_t x0, int32_t x1) {
			for (int32_t x = x0; x < x1; ++x, ++d_ptr)
			{
				const int32_t a = src.alpha(x, y);
				if (a == 0)
				{
					continue;
				}
				const AlphaRGB &p = src.colour(x, y);
				if (a == 255)
				{
					*d_ptr = p;
					continue;
				}
				for (int k = 0; k < 3; ++k)
				{
					d_ptr->chn(k) = SRC::mix(d_ptr->chn(k), p.chn(k), a);
				}
			}
		});
	}
	int blit_rotate(float x, float y, const Coord2D &, float angle, RenderingBufferInterface &buf,
	                const Rect &clipper) override
	{
		return rotate(x, y, angle, buf, clipper, 1);
	}
	int blit_rotate_alpha(float x, float y, const Coord2D &, float angle, RenderingBufferInterface &buf,
	                      const Rect &clipper, float alpha) override
	{
		return rotate(x, y, angle, buf, clipper, alpha);
	}
	int do_blit_subpix(float x, float y, const Coord2D &size, RenderingBufferInterface &buf,
	                   const Rect &clipper) override
	{
		return subpix(x, y, size, buf, clipper, 1);
	}
	int do_blit_subpix_alpha(float x, float y, const Coord2D &size, RenderingBufferInterface &buf,
	                         const Rect &clipper, float alpha) override
	{
		return subpix(x, y, size, buf, clipper, alpha);
	}

	// The largest whole number not above n / 65536.
	static int32_t floor_div_65536(int32_t n) noexcept
	{
		return (n >= 0) ? n / 65536 : -((-n + 65535) / 65536);
	}

private:
	// Sub-pixel blit: buffer pixel (i, j) samples the data at (x + i, y + j).
	int subpix(float x, float y, const Coord2D &size, RenderingBufferInterface &buf, const Rect &clipper,
	           float alpha) const
	{
		const PicDataInterface &pic = *this;
		const SRC &src = static_cast<const SRC &>(*this);
		Rect dst;
		if (!pic.clip_subpix(dst, x, y, size, buf, clipper))
		{
			return 0;
		}
		const Rect cl = clipper.intersect(Rect(Coord2D(), pic.get_size()));
		const double fx0 = std::floor(double(x));
		const double fy0 = std::floor(double(y));
		const double fx = double(x) - fx0;
		const double fy = double(y) - fy0;
		const int32_t g = int32_t(std::floor(double(alpha) * 256));
		const int32_t wx = int32_t(std::floor(g * fx));
		const int32_t wy = int32_t(std::floor(g * fy));
		const int32_t wxy = int32_t(std::floor(g * fx * fy));
		const int32_t w[4] = {g - wx - wy + wxy, wx - wxy, wy - wxy, wxy};
		AlphaRGB *const data_ptr = buf.get_data_ptr();
		const size_t width = size_t(buf.get_size()._x);
		for (int32_t j = dst._y0; j < dst._y1; ++j)
		{
			AlphaRGB *const row_ptr = data_ptr + size_t(j) * width;
			for (int32_t i = dst._x0; i < dst._x1; ++i)
			{
				blend_into(src, cl, row_ptr[i], int32_t(fx0) + i, int32_t(fy0) + j, w);
			}
		}
		return 1;
	}

	// Turned blit: buffer pixel (i, j) samples the data at
	// (x + i cos - j sin, y + i sin + j cos).
	int rotate(float x, float y, float angle, RenderingBufferInterface &buf, const Rect &clipper, float alpha) const
	{
		const PicDataInterface &pic = *this;
		const SRC &src = static_cast<const SRC &>(*this);
		const float c = std::cos(angle);
		const float s = std::sin(angle);
		Rect dst;
		if (!pic.clip_rotation(dst, x, y, c, s, buf, clipper))
		{
			return 0;
		}
		const Rect cl = clipper.intersect(Rect(Coord2D(), pic.get_size()));
		const int32_t g = int32_t(std::floor(double(alpha) * 256 + 0.5));
		AlphaRGB *const data_ptr = buf.get_data_ptr();
		const size_t width = size_t(buf.get_size()._x);
		for (int32_t j = dst._y0; j < dst._y1; ++j)
		{
			AlphaRGB *const row_ptr = data_ptr + size_t(j) * width;
			for (int32_t i = dst._x0; i < dst._x1; ++i)
			{
				const double sx = double(x) + i * double(c) - j * double(s);
				const double sy = double(y) + i * double(s) + j * double(c);
				const double ix = std::floor(sx);
				const double iy = std::floor(sy);
				// Outside the picture (a turned picture's corners): nothing
				// to mix.
				if (ix + 1 < cl._x0 || ix >= cl._x1 || iy + 1 < cl._y0 || iy >= cl._y1)
				{
					continue;
				}
				const int32_t fx = int32_t(std::floor((sx - ix) * 256));
				const int32_t fy = int32_t(std::floor((sy - iy) * 256));
				const int32_t wxy = g * fx * fy / 65536;
				const int32_t wx = g * fx / 256;
				const int32_t wy = g * fy / 256;
				const int32_t w[4] = {g - wx - wy + wxy, wx - wxy, wy - wxy, wxy};
				blend_into(src, cl, row_ptr[i], int32_t(ix), int32_t(iy), w);
			}
		}
		return 1;
	}

	// Buffer pixel d from the four data pixels at (px, py) and the next right
	// and below, weighted by w (in 1/256) and each one's alpha; pixels
	// outside the clipper weigh nothing.
	static void blend_into(const SRC &src, const Rect &cl, AlphaRGB &d, int32_t px, int32_t py, const int32_t w[4])
	{
		int32_t acc[3] = {0, 0, 0};
		for (int n = 0; n < 4; ++n)
		{
			const int32_t nx = px + (n & 1);
			const int32_t ny = py + (n >> 1);
			if (w[n] == 0 || !cl.contains(Coord2D(nx, ny)))
			{
				continue;
			}
			const int32_t wk = w[n] * int32_t(src.alpha(nx, ny));
			const AlphaRGB &p = src.colour(nx, ny);
			for (int k = 0; k < 3; ++k)
			{
				acc[k] += (int32_t(p.chn(k)) - int32_t(d.chn(k))) * wk;
			}
		}
		for (int k = 0; k < 3; ++k)
		{
			d.chn(k) = uint8_t(int32_t(d.chn(k)) + floor_div_65536(acc[k]));
		}
	}
};

}  // namespace ruvava
