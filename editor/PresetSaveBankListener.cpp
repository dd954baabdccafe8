#include "editor/PresetSaveBankListener.h"

#include "editor/PresetManager.h"
#include "params/KtpbFileOp.h"
#include "sys/FileSelector.h"
#include "sys/SimpleMessageBox.h"

namespace rivo
{

void PresetSaveBankListener::send_custom_event(long id, void *)
{
	if (id != 0 || _host_ptr == nullptr)
	{
		return;
	}
	_sel.set_title("Save preset bank");
	_sel.select_file_for_saving(*_host_ptr, [this](int code) {
		if (code == 0)
		{
			save_chosen();
		}
	});
}

void PresetSaveBankListener::save_chosen()
{
	sys::SimpleMessageBox::ask_overwrite(*_host_ptr, _sel.get_filename(), [this] { save_now(); });
}

void PresetSaveBankListener::save_now()
{
	// Written beside and put in place whole: never half a file.
	const int ret = KtpbFileOp::save_bank(_sel.get_filename().c_str(), _mgr.use_bank());
	if (ret != 0)
	{
		show_error("Can't save bank file\n", ret);
	}
}

}  // namespace rivo
