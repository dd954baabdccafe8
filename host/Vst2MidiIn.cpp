#include "host/Vst2MidiIn.h"

#include "host/Vst2Interface.h"
#include "midi/MidiReceiverInterface.h"

namespace rivo
{

void Vst2MidiIn::process_midi_event(const VstMidiEvent &e)
{
	if (MidiReceiverInterface *client_ptr = use_midi_client())
	{
		client_ptr->do_set_time_stamp(e.deltaFrames);
	}
	const auto byte = [&e](int k) { return int(static_cast<unsigned char>(e.midiData[k])); };
	process_message(byte(0), byte(1), byte(2));
}

}  // namespace rivo
