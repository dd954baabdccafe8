// A picture placed on screen: shared data (not owned), a hot point that is
// its origin and centre of rotation, and the part of the data shown (one
// frame of a strip, say).
#pragma once

#include "gui/BoundingBoxDefaultChecker.h"
#include "gui/PicDataInterface.h"

namespace ruvava
{

class Picture : public BoundingBoxDefaultChecker
{
public:
	Picture() = default;
	explicit Picture(PicDataInterface *data_ptr);

	// Box and source clipper: the whole data.
	void set_data(PicDataInterface *data_ptr);
	PicDataInterface *get_data() const noexcept
	{
		return _data_ptr;
	}
	void set_hot(const Coord2D &hot);
	Coord2D get_hot() const noexcept;
	// Limited to the data; an inverted result becomes (0, 0, 0, 0).
	void set_src_clipper(const Rect &r);
	const Rect &get_src_clipper() const noexcept
	{
		return _src_clipper;
	}
	// Inside the box and inside the source clipper.
	bool check_point(const Coord2D &p) override;
	// Device pixels per window unit of the data (2 for the sharp set of a
	// window drawn at scale 2); boxes and hot points are in device pixels.
	void set_scale(int scale) noexcept
	{
		_scale = (scale > 1) ? scale : 1;
	}
	int get_scale() const noexcept
	{
		return _scale;
	}
	// The box in window units, rounded outwards.
	Rect get_unit_box() const noexcept;
	// check_point for a point in window units.
	bool check_point_units(const Coord2D &p)
	{
		return check_point(Coord2D(p._x * _scale, p._y * _scale));
	}

	// The zone, or (x, y), in the picture's own frame (hot point at the
	// origin): what falls on the buffer's top-left pixel; size: the buffer's extent.
	int blit(const Rect &zone, RenderingBufferInterface &buf) const;
	int blit_alpha(const Rect &zone, RenderingBufferInterface &buf, float alpha) const;
	int blit_subpix(float x, float y, const Coord2D &size, RenderingBufferInterface &buf) const;
	// Turned by angle (radians) around the hot point.
	int blit_rotate(float x, float y, const Coord2D &size, float angle, RenderingBufferInterface &buf) const;

private:
	PicDataInterface *_data_ptr = nullptr;
	Rect _src_clipper;
	int _scale = 1;
};

}  // namespace ruvava
