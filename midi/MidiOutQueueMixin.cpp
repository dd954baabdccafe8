#include "midi/MidiOutQueueMixin.h"

namespace rivo
{

int MidiOutQueueMixin::enqueue_packets(const Packet *list, int nbr)
{
	Message msg;
	msg._nbr = (nbr < MAX_PACKETS) ? nbr : MAX_PACKETS;
	for (int k = 0; k < msg._nbr; ++k)
	{
		msg._packets[k] = list[k];
	}
	if (!_queue.push(msg))
	{
		_dropped.fetch_add(1, std::memory_order_relaxed);
		return 0;
	}
	return 1;
}

}  // namespace rivo
