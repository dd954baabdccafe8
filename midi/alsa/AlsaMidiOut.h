// The built-in MIDI output: an ALSA sequencer port that other programs and
// devices subscribe to. Packets from any thread go through a bounded
// lock-free queue (dropped and counted when full, never waited for) to the
// device's own thread, which sends them.
#pragma once

#include "midi/MidiOut4BPacketMixin.h"
#include "sys/BoundedQueue.h"

#include <atomic>
#include <cstdint>
#include <thread>

namespace rivo
{

class AlsaMidiOut : public MidiOut4BPacketMixin
{
public:
	static constexpr const char *PORT_NAME = "Tarvelle MIDI Out";
	static constexpr int CAPACITY = 1024;

	explicit AlsaMidiOut(int index);
	~AlsaMidiOut() override;

	int connect() override;
	int disconnect() override;
	void process_pre() override {}
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
	void run();

	int _index;
	sys::BoundedQueue<Packet> _queue{CAPACITY};
	void *_seq = nullptr;
	void *_encoder = nullptr;
	int _port = -1;
	std::thread _thread;
	std::atomic<bool> _stop{false};
	std::atomic<long> _dropped{0};
};

}  // namespace rivo
