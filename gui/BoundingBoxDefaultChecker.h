// The hit test of every control and picture: a box relative to the owner's
// origin, or a custom checker when one is set.
#pragma once

#include "gui/BoundingBoxCustomChecker.h"
#include "gui/Rect.h"

namespace ruvava
{

class BoundingBoxDefaultChecker
{
public:
	virtual ~BoundingBoxDefaultChecker() = default;

	virtual bool check_point(const Coord2D &p)
	{
		return (_custom_ptr != nullptr) ? _custom_ptr->check_point(p) : _box.contains(p);
	}
	void set_box(const Rect &box) noexcept
	{
		_box = box;
	}
	const Rect &get_box() const noexcept
	{
		return _box;
	}
	// Not owned.
	void set_custom_checker(BoundingBoxCustomChecker *checker_ptr) noexcept
	{
		_custom_ptr = checker_ptr;
	}

private:
	Rect _box;
	BoundingBoxCustomChecker *_custom_ptr = nullptr;
};

}  // namespace ruvava
