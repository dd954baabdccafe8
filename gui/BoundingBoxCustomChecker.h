// A hit test of its own for a control or picture whose shape is not its box.
#pragma once

#include "gui/Coord2D.h"

namespace ruvava
{

class BoundingBoxDefaultChecker;

class BoundingBoxCustomChecker
{
public:
	virtual ~BoundingBoxCustomChecker() = default;
	virtual bool check_point(const Coord2D &p) = 0;

	void set_def(BoundingBoxDefaultChecker *def_ptr) noexcept
	{
		_def_ptr = def_ptr;
	}
	BoundingBoxDefaultChecker *get_def() const noexcept
	{
		return _def_ptr;
	}

private:
	BoundingBoxDefaultChecker *_def_ptr = nullptr;
};

}  // namespace ruvava
