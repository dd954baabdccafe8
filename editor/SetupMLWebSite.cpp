#include "editor/SetupMLWebSite.h"

#include "editor/SetupMgr.h"
#include "sys/sys_fnc.h"

namespace rivo
{

int32_t SetupMLWebSite::do_act()
{
	if (const WebSiteJumpInterface *jump_ptr = use_setup_mgr()->use_jump())
	{
		sys::open_url(jump_ptr->get_url(_type).c_str());
	}
	return 0;
}

}  // namespace rivo
