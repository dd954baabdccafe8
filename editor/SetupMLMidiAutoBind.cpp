#include "editor/SetupMLMidiAutoBind.h"

#include "editor/SetupMgr.h"
#include "gui/MenuItem.h"

namespace rivo
{

int32_t SetupMLMidiAutoBind::do_act()
{
	if (ruvava::MenuItem *item_ptr = use_item())
	{
		item_ptr->check(!item_ptr->is_checked());
		use_setup_mgr()->use_midi_ab_mgr().activate_autobind(item_ptr->is_checked());
	}
	return 0;
}

}  // namespace rivo
