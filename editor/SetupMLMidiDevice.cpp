#include "editor/SetupMLMidiDevice.h"

#include "editor/SetupMgr.h"
#include "midi/MidiDevSelectorInterface.h"
#include "midi/MidiMgr.h"

namespace rivo
{

int32_t SetupMLMidiDevice::do_act()
{
	MidiMgr *midi_ptr = use_setup_mgr()->use_midi_mgr();
	MidiDevSelectorInterface *sel_ptr = (midi_ptr != nullptr) ? midi_ptr->use_dev_selector() : nullptr;
	if (sel_ptr == nullptr)
	{
		return 0;
	}
	const int ret = (_type == Type_IN) ? sel_ptr->select_dev_in(_id) : sel_ptr->select_dev_out(_id);
	if (ret != 0)
	{
		use_setup_mgr()->show_error("Can't change MIDI device.\n", ret);
	}
	return 0;
}

}  // namespace rivo
