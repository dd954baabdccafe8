#include "editor/SetupMLSaveSettings.h"

#include "editor/SetupMgr.h"
#include "sys/FileOp.h"
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
	const std::string &name = mgr.use_file_selector().get_filename();
	if (!sys::FileOp::is_existing(name))
	{
		save_now();
		return;
	}
	sys::SimpleMessageBox::ask(*mgr.use_dialog_host(), "Conflict", name + "\nalready exists. Overwrite ?",
	                           sys::SimpleMessageBox::Type_OK_CANCEL, 1, [this](int answer) {
		                           if (answer == 0)
		                           {
			                           save_now();
		                           }
	                           });
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
