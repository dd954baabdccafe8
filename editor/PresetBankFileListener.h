// What the preset panel's "Load" and "Save" buttons share: the memory bank,
// the file selector and the dialog host, and how a failure is shown.
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
	PresetBankFileListener(PresetManager &mgr, sys::FileSelector &sel) noexcept : _mgr(mgr), _sel(sel) {}
	void set_dialog_host(sys::DialogHostInterface *host_ptr) noexcept
	{
		_host_ptr = host_ptr;
	}

protected:
	// "Error", what failed, the file name and the code.
	void show_error(const char *what_0, int code);

	PresetManager &_mgr;
	sys::FileSelector &_sel;
	sys::DialogHostInterface *_host_ptr = nullptr;
};

}  // namespace rivo
