#include "gui/Menu.h"

#include "gui/MenuItem.h"
#include "gui/MenuList.h"

namespace ruvava
{

MenuItem *Menu::find_item(const MenuList &list, int32_t id)
{
	for (int i = 0; i < list.size(); ++i)
	{
		MenuNodeInterface *node_ptr = list.use_node(i);
		if (auto *sub_ptr = dynamic_cast<MenuList *>(node_ptr))
		{
			if (MenuItem *found_ptr = find_item(*sub_ptr, id))
			{
				return found_ptr;
			}
		}
		else if (auto *item_ptr = dynamic_cast<MenuItem *>(node_ptr))
		{
			if (item_ptr->get_id() == id)
			{
				return item_ptr;
			}
		}
	}
	return nullptr;
}

int32_t Menu::choose(int32_t id)
{
	MenuItem *item_ptr = (_list_ptr != nullptr) ? find_item(*_list_ptr, id) : nullptr;
	if (item_ptr == nullptr || item_ptr->is_disable() || item_ptr->use_listener() == nullptr)
	{
		return 0;
	}
	return item_ptr->use_listener()->act();
}

}  // namespace ruvava
