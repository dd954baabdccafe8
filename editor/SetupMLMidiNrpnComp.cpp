#include "editor/SetupMLMidiNrpnComp.h"

#include "editor/SetupMgr.h"
#include "gui/MenuItem.h"
#include "midi/MidiMgr.h"

namespace rivo
{

void SetupMLMidiNrpnComp::update()
{
	MidiMgr *midi_ptr = use_setup_mgr()->use_midi_mgr();
	if (midi_ptr != nullptr && use_item() != nullptr)
	{
		use_item()->check(midi_ptr->use_persistent_midi_settings().get_nrpn_compatibility() == 0);
	}
}

int32_t SetupMLMidiNrpnComp::do_act()
{
	MidiMgr *midi_ptr = use_setup_mgr()->use_midi_mgr();
	ruvava::MenuItem *item_ptr = use_item();
	if (midi_ptr != nullptr && item_ptr != nullptr)
	{
		using P = PersistentMidiSettings;
		// Checked means the old behaviour: unchecking it goes standard.
		const int ret = midi_ptr->use_persistent_midi_settings().set_nrpn_compatibility(
		   item_ptr->is_checked() ? P::NrpnCompatibility_STANDARD : P::NrpnCompatibility_OLD_ERRONEOUS);
		if (ret == 0)
		{
			item_ptr->check(!item_ptr->is_checked());
		}
	}
	return 0;
}

}  // namespace rivo
