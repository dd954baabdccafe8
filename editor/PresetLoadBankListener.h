// The preset panel's "Load" button: the memories from a bank file. Only
// banks of the memories' shape are taken; a failure shows its code and
// leaves the memories as they were.
#pragma once

#include "editor/PresetBankFileListener.h"

namespace rivo
{

class PresetLoadBankListener : public PresetBankFileListener
{
public:
	using PresetBankFileListener::PresetBankFileListener;
	// Event 0: the button was pressed.
	void send_custom_event(long id, void *data_ptr) override;

private:
	void load_chosen();
};

}  // namespace rivo
