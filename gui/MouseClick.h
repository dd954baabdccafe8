// A mouse button went down or up (state 0).
#pragma once

#include "gui/MessageDown.h"
#include "gui/MouseMessage.h"
#include "gui/MouseState.h"

namespace ruvava
{

class MouseClick : public MessageDown, public MouseMessage
{
public:
	MouseClick(const Rect &dest, const Coord2D &pos, int state, int alt_keys, int dbl_state) noexcept
	: MessageDown(dest), _pos(pos), _state(state), _alt(alt_keys), _dbl(dbl_state)
	{
	}
	const Coord2D &get_pos() const noexcept
	{
		return _pos;
	}
	// MouseState bits.
	int get_state() const noexcept
	{
		return _state;
	}
	// AltKeys bits.
	int get_alt_keys() const noexcept
	{
		return _alt;
	}
	// The state again on a double click, else 0.
	int get_dbl_click_state() const noexcept
	{
		return _dbl;
	}

private:
	Coord2D _pos;
	int _state;
	int _alt;
	int _dbl;
};

}  // namespace ruvava
