// Pops up a menu at a position relative to the pointer.
#pragma once

#include "gui/Coord2D.h"
#include "gui/MessageUp.h"

namespace ruvava
{

class MenuList;

class MenuRequest : public MessageUp
{
public:
	MenuRequest(MenuList &menu, const Coord2D &pos) noexcept : _menu(menu), _pos(pos) {}
	MenuList &use_menu_data() const noexcept
	{
		return _menu;
	}
	const Coord2D &get_pos() const noexcept
	{
		return _pos;
	}
	void set_pos(const Coord2D &pos) noexcept
	{
		_pos = pos;
	}

private:
	MenuList &_menu;
	Coord2D _pos;
};

}  // namespace ruvava
