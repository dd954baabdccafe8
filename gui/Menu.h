// The window's pop-up menu service. A request shows the menu and returns
// at once; the chosen item's action runs later, from the window's pump.
#pragma once

#include <cstdint>

namespace ruvava
{

class MenuItem;
class MenuList;
class MenuRequest;
class WindowInterface;

class Menu
{
public:
	virtual ~Menu() = default;
	int32_t begin(const MenuRequest &request)
	{
		return do_begin(request);
	}
	int32_t stop()
	{
		return do_stop();
	}
	void set_window(WindowInterface *window_ptr) noexcept
	{
		_window_ptr = window_ptr;
	}
	WindowInterface *use_window() const noexcept
	{
		return _window_ptr;
	}
	void set_menu_data(MenuList *list_ptr) noexcept
	{
		_list_ptr = list_ptr;
	}
	MenuList *use_menu_data() const noexcept
	{
		return _list_ptr;
	}
	// Depth first, a submenu before the items that follow it; null when absent.
	static MenuItem *find_item(const MenuList &list, int32_t id);
	// Runs the action of the item with that id in the current list: its
	// result, or 0 when there is no such item or it has no action.
	int32_t choose(int32_t id);

protected:
	virtual int32_t do_begin(const MenuRequest &request) = 0;
	virtual int32_t do_stop() = 0;

private:
	WindowInterface *_window_ptr = nullptr;
	MenuList *_list_ptr = nullptr;
};

}  // namespace ruvava
