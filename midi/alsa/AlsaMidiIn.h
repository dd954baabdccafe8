// The built-in MIDI input: an ALSA sequencer port that other programs and
// devices connect to. Its own thread reads the port and queues the channel
// messages without a lock; the audio thread takes them at the start of each
// block and applies them, so parameters change on one thread only.
#pragma once

#include "midi/MidiInCcMixin.h"
#include "sys/BoundedQueue.h"

#include <atomic>
#include <cstdint>
#include <thread>

namespace rivo
{

class AlsaMidiIn : public MidiInCcMixin
{
public:
	static constexpr const char *PORT_NAME = "Tarvelle MIDI In";

	// capacity: messages waiting for the audio thread at most.
	AlsaMidiIn(int index, int capacity);
	~AlsaMidiIn() override;

	// -1 when the sequencer cannot be opened.
	int connect() override;
	int disconnect() override;
	void process_pre() override;
	void process_post() override {}
	void control_change_2_param(long ctrl_id, int value) override
	{
		apply_control(ctrl_id, value);
	}
	long get_nbr_dropped() const noexcept
	{
		return _dropped.load(std::memory_order_relaxed);
	}

protected:
	void do_reset_time_stamp(long) override {}

private:
	struct Message
	{
		uint8_t _b[3];
	};
	void run();

	int _index;
	sys::BoundedQueue<Message> _queue;
	void *_seq = nullptr;
	void *_decoder = nullptr;
	std::thread _thread;
	std::atomic<bool> _stop{false};
	std::atomic<long> _dropped{0};
};

}  // namespace rivo
