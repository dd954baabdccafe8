// An output device whose messages wait in a bounded lock-free queue for the
// thread that sends them: any thread may send, none ever waits; a message
// that finds the queue full is dropped whole, and counted.
#pragma once

#include "midi/MidiOut4BPacketMixin.h"
#include "sys/BoundedQueue.h"

#include <atomic>

namespace rivo
{

class MidiOutQueueMixin : public MidiOut4BPacketMixin
{
public:
	struct Message
	{
		int _nbr = 0;
		Packet _packets[MAX_PACKETS] = {};
	};

	// capacity: messages.
	explicit MidiOutQueueMixin(int capacity) : _queue(size_t(capacity)) {}
	long get_nbr_dropped() const noexcept
	{
		return _dropped.load(std::memory_order_relaxed);
	}

protected:
	int enqueue_packets(const Packet *list, int nbr) override;
	bool pop_message(Message &msg) noexcept
	{
		return _queue.pop(msg);
	}

private:
	sys::BoundedQueue<Message> _queue;
	std::atomic<long> _dropped{0};
};

}  // namespace rivo
