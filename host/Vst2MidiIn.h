// The host's MIDI events, on the audio thread, while selected.
#pragma once

#include "host/Vst2Component.h"
#include "midi/MidiInCcMixin.h"

#include <atomic>

struct VstMidiEvent;

namespace rivo
{

class Vst2MidiIn : public MidiInCcMixin, public Vst2Component
{
public:
	void process_midi_event(const VstMidiEvent &e);
	bool is_active() const noexcept
	{
		return _active.load(std::memory_order_acquire);
	}
	void start_new_block()
	{
		reset_time_stamp(0);
	}

	int connect() override
	{
		_active.store(true, std::memory_order_release);
		return 0;
	}
	int disconnect() override
	{
		_active.store(false, std::memory_order_release);
		return 0;
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
	std::atomic<bool> _active{false};
};

}  // namespace rivo
