// MIDI to the host: packets from any thread go through a bounded lock-free
// queue and are handed to the host at the start of the next block, at most
// 1024 a block; what does not fit is dropped and counted. The block handed
// over stays untouched until the block after.
#pragma once

#include "host/Vst2Component.h"
#include "host/Vst2Interface.h"
#include "midi/MidiOut4BPacketMixin.h"
#include "sys/BoundedQueue.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace rivo
{

class Vst2MidiOut : public MidiOut4BPacketMixin, public Vst2Component
{
public:
	static constexpr int CAPACITY = 1024;

	Vst2MidiOut();

	int init() override;
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
	// Hands the packets queued since the last block to the host.
	void process_pre() override;
	void process_post() override {}
	long get_nbr_dropped() const noexcept
	{
		return _dropped.load(std::memory_order_relaxed);
	}

protected:
	int enqueue_event(int status, int data1, int data2, int data3) override;

private:
	struct Packet
	{
		uint8_t _b[4];
	};
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

	sys::BoundedQueue<Packet> _queue{CAPACITY};
	MidiOutBuffer _buf[2];
	int _filling = 0;
	std::atomic<bool> _active{false};
	std::atomic<long> _dropped{0};
};

}  // namespace rivo
