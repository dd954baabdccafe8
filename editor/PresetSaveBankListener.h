// The preset panel's "Save" button: the memories to a bank file, asking
// before a file is overwritten; a failure shows its code.
#pragma once

#include "editor/PresetBankFileListener.h"

namespace rivo
{

class PresetSaveBankListener : public PresetBankFileListener
{
public:
	using PresetBankFileListener::PresetBankFileListener;
	// Event 0: the button was pressed.
	void send_custom_event(long id, void *data_ptr) override;

private:
	void save_chosen();
	void save_now();
};

}  // namespace rivo
