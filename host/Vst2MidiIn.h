// The host's MIDI events, on the audio thread, while selected.
#pragma once

#include "host/Vst2Component.h"
#include "midi/MidiInCcMixin.h"


struct VstMidiEvent;

namespace rivo
{

class Vst2MidiIn : public MidiInCcMixin, public Vst2Component
{
public:
	void process_midi_event(const VstMidiEvent &e);
	void start_new_block()
	{
		reset_time_stamp(0);
	}

	int connect() override
	{
		return set_active(true);
	}
	int disconnect() override
	{
		return set_active(false);
	}
	void process_pre() override {}
	void process_post() override {}
	void control_change_2_param(long ctrl_id, int value) override
	{
		apply_control(ctrl_id, value);
	}

protected:
	void do_reset_time_stamp(long) override {}

private:
};

}  // namespace rivo
