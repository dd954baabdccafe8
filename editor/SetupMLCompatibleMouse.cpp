#include "editor/SetupMLCompatibleMouse.h"

#include "gui/MenuItem.h"
#include "gui/PersistentMouseSettings.h"

namespace rivo
{

using Mouse = ruvava::PersistentMouseSettings;

void SetupMLCompatibleMouse::update()
{
	if (ruvava::MenuItem *item_ptr = use_item())
	{
		item_ptr->check(Mouse::get_instance().update_mouse_behaviour() == Mouse::MouseBehaviour_ENHANCED);
	}
}

int32_t SetupMLCompatibleMouse::do_act()
{
	Mouse &m = Mouse::get_instance();
	const bool enhanced = m.update_mouse_behaviour() == Mouse::MouseBehaviour_ENHANCED;
	m.set_mouse_behaviour(enhanced ? Mouse::MouseBehaviour_COMPATIBLE : Mouse::MouseBehaviour_ENHANCED);
	update();
	return 0;
}

}  // namespace rivo
