#include "host/Vst2MidiOut.h"

#include "host/Vst2Plugin.h"

#include <algorithm>
#include <cstring>

namespace rivo
{

Vst2MidiOut::Vst2MidiOut() : MidiOutQueueMixin(CAPACITY)
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

void Vst2MidiOut::process_pre()
{
	if (!is_active() || use_plugin() == nullptr)
	{
		return;
	}
	MidiOutBuffer &b = _buf[_filling];
	b._count = 0;
	while (_holding || pop_message(_held))
	{
		_holding = true;
		if (b._count + _held._nbr > CAPACITY)
		{
			break;  // next block
		}
		for (int k = 0; k < _held._nbr; ++k)
		{
			VstMidiEvent &e = b._events[size_t(b._count)];
			e = VstMidiEvent{};
			e.type = kVstMidiType;
			e.byteSize = sizeof(VstMidiEvent);
			std::memcpy(e.midiData, _held._packets[k].data(), 4);
			b.use_list()[b._count] = reinterpret_cast<VstEvent *>(&e);
			++b._count;
		}
		_holding = false;
	}
	if (b._count > 0)
	{
		b.use_block().numEvents = b._count;
		use_plugin()->sendVstEventsToHost(&b.use_block());
		_filling = 1 - _filling;
	}
}

}  // namespace rivo
