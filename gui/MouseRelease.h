// A component gives the mouse back; with a position, the pointer of a
// relative capture reappears there.
#pragma once

#include "gui/Coord2D.h"
#include "gui/MessageHandlerInterface.h"
#include "gui/MessageUp.h"
#include "gui/MouseMessage.h"

namespace ruvava
{

class MouseRelease : public MessageUp, public MouseMessage
{
public:
	explicit MouseRelease(MessageHandlerInterface &target) noexcept : _target(target) {}
	MouseRelease(MessageHandlerInterface &target, const Coord2D &pos) noexcept
	: _target(target), _pos(pos), _has_pos(true)
	{
	}
	MessageHandlerInterface &use_target() const noexcept
	{
		return _target;
	}
	bool has_pos() const noexcept
	{
		return _has_pos;
	}
	const Coord2D &get_pos() const noexcept
	{
		return _pos;
	}

private:
	MessageHandlerInterface &_target;
	Coord2D _pos;
	bool _has_pos = false;
};

}  // namespace ruvava
