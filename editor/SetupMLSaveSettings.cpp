#include "editor/SetupMLSaveSettings.h"

#include "editor/SetupMgr.h"
#include "sys/FileSelector.h"
#include "sys/SimpleMessageBox.h"

namespace rivo
{

int32_t SetupMLSaveSettings::do_act()
{
	SetupMgr &mgr = *use_setup_mgr();
	sys::DialogHostInterface *dialogs_ptr = mgr.use_dialog_host();
	if (dialogs_ptr == nullptr)
	{
		return 0;
	}
	sys::FileSelector &sel = mgr.use_file_selector();
	sel.set_title("Save Setting File");
	const int ret = sel.select_file_for_saving(*dialogs_ptr, [this](int code) {
		if (code == 0)
		{
			save_chosen();
		}
	});
	if (ret != 0)
	{
		mgr.show_error("Can't save configuration file\n", ret);
	}
	return 0;
}

void SetupMLSaveSettings::save_chosen()
{
	SetupMgr &mgr = *use_setup_mgr();
	sys::SimpleMessageBox::ask_overwrite(*mgr.use_dialog_host(), mgr.use_file_selector().get_filename(),
	                                     [this] { save_now(); });
}

void SetupMLSaveSettings::save_now()
{
	SetupMgr &mgr = *use_setup_mgr();
	const int ret = mgr.use_setting_mgr().save_settings(mgr.use_file_selector().get_filename());
	if (ret != 0)
	{
		mgr.show_error("Can't save configuration file\n", ret);
	}
}

}  // namespace rivo
