// The action of a menu item.
#pragma once

#include <cstdint>

namespace ruvava
{

class MenuItem;

class MenuListenerInterface
{
public:
	virtual ~MenuListenerInterface() = default;
	int32_t act()
	{
		return do_act();
	}
	void set_item(MenuItem &item) noexcept
	{
		_item_ptr = &item;
	}
	MenuItem *use_item() const noexcept
	{
		return _item_ptr;
	}

protected:
	virtual int32_t do_act() = 0;

private:
	MenuItem *_item_ptr = nullptr;
};

}  // namespace ruvava
