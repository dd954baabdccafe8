#include "host/Vst2MidiOut.h"

#include "host/Vst2Plugin.h"

#include <cstddef>
#include <cstring>

namespace rivo
{

Vst2MidiOut::Vst2MidiOut()
{
	for (MidiOutBuffer &b : _buf)
	{
		b._block.assign(offsetof(VstEvents, events) + CAPACITY * sizeof(VstEvent *), 0);
	}
}

int Vst2MidiOut::init()
{
	for (MidiOutBuffer &b : _buf)
	{
		b._events.fill(VstMidiEvent{});
		std::fill(b._block.begin(), b._block.end(), 0);
		b._count = 0;
	}
	return 0;
}

int Vst2MidiOut::enqueue_event(int status, int data1, int data2, int data3)
{
	const Packet p{{uint8_t(status), uint8_t(data1), uint8_t(data2), uint8_t(data3)}};
	if (!_queue.push(p))
	{
		_dropped.fetch_add(1, std::memory_order_relaxed);
		return 0;
	}
	return 1;
}

void Vst2MidiOut::process_pre()
{
	if (!_active.load(std::memory_order_acquire) || use_plugin() == nullptr)
	{
		return;
	}
	MidiOutBuffer &b = _buf[_filling];
	b._count = 0;
	Packet p;
	while (b._count < CAPACITY && _queue.pop(p))
	{
		VstMidiEvent &e = b._events[size_t(b._count)];
		e = VstMidiEvent{};
		e.type = kVstMidiType;
		e.byteSize = sizeof(VstMidiEvent);
		std::memcpy(e.midiData, p._b, 4);
		b.use_list()[b._count] = reinterpret_cast<VstEvent *>(&e);
		++b._count;
		b.use_block().numEvents = b._count;
	}
	if (b._count > 0)
	{
		use_plugin()->sendVstEventsToHost(&b.use_block());
		_filling = 1 - _filling;
	}
}

}  // namespace rivo
