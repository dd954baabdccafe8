#include "midi/MidiInChn.h"

#include "midi/MidiReceiverInterface.h"

namespace rivo
{

int MidiInChn::init()
{
	const int ret = MidiInInterface::init();
	if (ret != 0)
	{
		return ret;
	}
	if (use_midi_client() == nullptr)
	{
		return -1;
	}
	for (int c = 0; c < NBR_CHANNELS; ++c)
	{
		_channels[size_t(c)].init(*use_midi_client(), c);
	}
	return 0;
}

}  // namespace rivo
