#include "editor/PresetBankFileListener.h"

#include "editor/PresetManager.h"
#include "params/KtpbFileOp.h"
#include "sys/FileOp.h"
#include "sys/FileSelector.h"
#include "sys/SimpleMessageBox.h"

#include <cstdio>

namespace rivo
{

void PresetBankFileListener::send_custom_event(long id, void *)
{
	if (id != 0 || _host_ptr == nullptr)
	{
		return;
	}
	if (_save)
	{
		_sel.set_title("Save preset bank");
		_sel.select_file_for_saving(*_host_ptr, [this](int code) {
			if (code == 0)
			{
				save_chosen();
			}
		});
	}
	else
	{
		_sel.set_title("Load preset bank");
		_sel.select_file_for_opening(*_host_ptr, [this](int code) {
			if (code == 0)
			{
				load_chosen();
			}
		});
	}
}

void PresetBankFileListener::show_error(const char *what_0, int code)
{
	char code_txt[32];
	std::snprintf(code_txt, sizeof(code_txt), "\n\nCode %d", code);
	sys::SimpleMessageBox::ask(*_host_ptr, "Error", std::string(what_0) + _sel.get_filename() + code_txt,
	                           sys::SimpleMessageBox::Type_OK, 0, nullptr);
}

void PresetBankFileListener::load_chosen()
{
	// Into a copy first, which also gives the shape a bank must have: a
	// failure leaves the memories untouched.
	BankManager loaded = _mgr.use_bank();
	const int ret = KtpbFileOp::load_bank(_sel.get_filename().c_str(), loaded, true);
	if (ret != 0)
	{
		show_error("Can't load bank file\n", ret);
		return;
	}
	_mgr.set_bank(loaded);
}

void PresetBankFileListener::save_chosen()
{
	if (!sys::FileOp::is_existing(_sel.get_filename()))
	{
		save_now();
		return;
	}
	sys::SimpleMessageBox::ask(*_host_ptr, "Conflict", _sel.get_filename() + "\nalready exists. Overwrite ?",
	                           sys::SimpleMessageBox::Type_OK_CANCEL, 1, [this](int answer) {
		                           if (answer == 0)
		                           {
			                           save_now();
		                           }
	                           });
}

void PresetBankFileListener::save_now()
{
	// Written beside and put in place whole: never half a file.
	const int ret = KtpbFileOp::save_bank(_sel.get_filename().c_str(), _mgr.use_bank());
	if (ret != 0)
	{
		show_error("Can't save bank file\n", ret);
	}
}

}  // namespace rivo
