// Picture handle.
#include "gui/Picture.h"

#include <cmath>

namespace ruvava
{

Picture::Picture(PicDataInterface *data_ptr)
{
	set_data(data_ptr);
}

void Picture::set_data(PicDataInterface *data_ptr)
{
	_data_ptr = data_ptr;
	const Coord2D size = (data_ptr != nullptr) ? data_ptr->get_size() : Coord2D();
	set_box(Rect(0, 0, size._x, size._y));
	_src_clipper = Rect(0, 0, size._x, size._y);
}

void Picture::set_hot(const Coord2D &hot)
{
	const Coord2D size = (_data_ptr != nullptr) ? _data_ptr->get_size() : Coord2D();
	set_box(Rect(-hot._x, -hot._y, size._x - hot._x, size._y - hot._y));
}

Coord2D Picture::get_hot() const noexcept
{
	return Coord2D(-get_box()._x0, -get_box()._y0);
}

void Picture::set_src_clipper(const Rect &r)
{
	const Coord2D size = (_data_ptr != nullptr) ? _data_ptr->get_size() : Coord2D();
	_src_clipper = r.intersect(Rect(0, 0, size._x, size._y));
	if (_src_clipper._x1 < _src_clipper._x0 || _src_clipper._y1 < _src_clipper._y0)
	{
		_src_clipper = Rect();
	}
}

bool Picture::check_point(const Coord2D &p)
{
	const Rect &box = get_box();
	return box.contains(p) && _src_clipper.contains(p - Coord2D(box._x0, box._y0));
}

Rect Picture::get_unit_box() const noexcept
{
	const Rect &b = get_box();
	const auto down = [this](int32_t v) { return (v >= 0) ? v / _scale : -((-v + _scale - 1) / _scale); };
	const auto up = [this](int32_t v) { return (v >= 0) ? (v + _scale - 1) / _scale : -(-v / _scale); };
	return Rect(down(b._x0), down(b._y0), up(b._x1), up(b._y1));
}

int Picture::blit(const Rect &zone, RenderingBufferInterface &buf) const
{
	if (_data_ptr == nullptr)
	{
		return 0;
	}
	const Rect &box = get_box();
	return _data_ptr->blit(zone - Coord2D(box._x0, box._y0), buf, _src_clipper);
}

int Picture::blit_alpha(const Rect &zone, RenderingBufferInterface &buf, float alpha) const
{
	if (_data_ptr == nullptr)
	{
		return 0;
	}
	const Rect &box = get_box();
	return _data_ptr->do_blit_subpix_alpha(float(zone._x0 - box._x0), float(zone._y0 - box._y0),
	                                       Coord2D(zone.width(), zone.height()), buf, _src_clipper, alpha);
}

int Picture::blit_subpix(float x, float y, const Coord2D &size, RenderingBufferInterface &buf) const
{
	if (_data_ptr == nullptr)
	{
		return 0;
	}
	const Rect &box = get_box();
	return _data_ptr->blit_subpix(x - float(box._x0), y - float(box._y0), size, buf, _src_clipper);
}

int Picture::blit_rotate(float x, float y, const Coord2D &size, float angle, RenderingBufferInterface &buf) const
{
	if (_data_ptr == nullptr)
	{
		return 0;
	}
	if (std::fabs(angle) < 1e-9f)
	{
		return blit_subpix(x, y, size, buf);
	}
	const float c = std::cos(angle);
	const float s = std::sin(angle);
	const Rect &box = get_box();
	const float xr = x * c - y * s - float(box._x0);
	const float yr = y * c + x * s - float(box._y0);
	return _data_ptr->blit_rotate(xr, yr, size, angle, buf, _src_clipper);
}

}  // namespace ruvava
