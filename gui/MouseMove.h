// The pointer moved; during a relative capture the position is an offset.
#pragma once

#include "gui/MessageDown.h"
#include "gui/MouseMessage.h"

namespace ruvava
{

class MouseMove : public MessageDown, public MouseMessage
{
public:
	MouseMove(const Rect &dest, const Coord2D &pos) noexcept : MessageDown(dest), _pos(pos) {}
	const Coord2D &get_pos() const noexcept
	{
		return _pos;
	}

private:
	Coord2D _pos;
};

}  // namespace ruvava
