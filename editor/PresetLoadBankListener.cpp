#include "editor/PresetLoadBankListener.h"

#include "editor/PresetManager.h"
#include "params/KtpbFileOp.h"
#include "sys/FileSelector.h"

namespace rivo
{

void PresetLoadBankListener::send_custom_event(long id, void *)
{
	if (id != 0 || _host_ptr == nullptr)
	{
		return;
	}
	_sel.set_title("Load preset bank");
	_sel.select_file_for_opening(*_host_ptr, [this](int code) {
		if (code == 0)
		{
			load_chosen();
		}
	});
}

void PresetLoadBankListener::load_chosen()
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

}  // namespace rivo
