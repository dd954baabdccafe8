// MIDI to the host: messages from any thread wait in the device's queue and
// are handed to the host at the start of the next block, at most 1024
// events a block (a message that does not fit waits for the next block).
// The block handed over stays untouched until the block after.
#pragma once

#include "host/Vst2Component.h"
#include "host/Vst2Interface.h"
#include "midi/MidiOutQueueMixin.h"

#include <array>
#include <cstddef>
#include <vector>

namespace rivo
{

class Vst2MidiOut : public MidiOutQueueMixin, public Vst2Component
{
public:
	static constexpr int CAPACITY = 1024;

	Vst2MidiOut();

	int init() override;
	int connect() override
	{
		return set_active(true);
	}
	int disconnect() override
	{
		return set_active(false);
	}
	// Hands the messages queued since the last block to the host.
	void process_pre() override;
	void process_post() override {}

private:
	struct MidiOutBuffer
	{
		std::array<VstMidiEvent, CAPACITY> _events{};
		// A VstEvents header followed by room for CAPACITY pointers.
		std::vector<unsigned char> _block;
		int _count = 0;
		VstEvents &use_block() noexcept
		{
			return *reinterpret_cast<VstEvents *>(_block.data());
		}
		// The header's list runs past its declared two entries.
		VstEvent **use_list() noexcept
		{
			return reinterpret_cast<VstEvent **>(_block.data() + offsetof(VstEvents, events));
		}
	};

	MidiOutBuffer _buf[2];
	int _filling = 0;
	// A message taken from the queue that did not fit in the last block.
	Message _held;
	bool _holding = false;
};

}  // namespace rivo
