#include "editor/SetupCtrlListener.h"

#include "editor/SetupMgr.h"

namespace rivo
{

void SetupCtrlListener::send_custom_event(long id, void *)
{
	if (id == 0 && use_setup_mgr() != nullptr)
	{
		use_setup_mgr()->display_menu();
	}
}

}  // namespace rivo
