// The preset panel's "Load" and "Save" buttons: the memory bank to and
// from a bank file, through the file selector and message boxes. Loading
// takes only banks of the memories' shape; a failure shows its code and
// leaves the memories as they were; saving over a file asks first.
#pragma once

#include "gui/DefaultEventListener.h"

namespace sys
{
class DialogHostInterface;
class FileSelector;
}  // namespace sys

namespace rivo
{

class PresetManager;

class PresetBankFileListener : public ruvava::DefaultEventListener
{
public:
	PresetBankFileListener(PresetManager &mgr, sys::FileSelector &sel, bool save) noexcept
	: _mgr(mgr), _sel(sel), _save(save)
	{
	}
	void set_dialog_host(sys::DialogHostInterface *host_ptr) noexcept
	{
		_host_ptr = host_ptr;
	}
	// Event 0: the button was pressed.
	void send_custom_event(long id, void *data_ptr) override;

private:
	void load_chosen();
	void save_chosen();
	void save_now();
	void show_error(const char *what_0, int code);

	PresetManager &_mgr;
	sys::FileSelector &_sel;
	bool _save;
	sys::DialogHostInterface *_host_ptr = nullptr;
};

}  // namespace rivo
