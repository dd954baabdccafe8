#include "editor/SetupMLLoadSettings.h"

#include "editor/SetupMgr.h"
#include "sys/FileSelector.h"

namespace rivo
{

int32_t SetupMLLoadSettings::do_act()
{
	SetupMgr &mgr = *use_setup_mgr();
	sys::DialogHostInterface *dialogs_ptr = mgr.use_dialog_host();
	if (dialogs_ptr == nullptr)
	{
		return 0;
	}
	sys::FileSelector &sel = mgr.use_file_selector();
	sel.set_title("Load Setting File");
	const int ret = sel.select_file_for_opening(*dialogs_ptr, [&mgr](int code) {
		if (code != 0)
		{
			return;
		}
		const int load_ret = mgr.use_setting_mgr().load_settings(mgr.use_file_selector().get_filename());
		if (load_ret != 0)
		{
			mgr.show_error("Can't load configuration file\n", load_ret);
		}
	});
	if (ret != 0)
	{
		mgr.show_error("Can't load configuration file\n", ret);
	}
	return 0;
}

}  // namespace rivo
