// An input device's sixteen channel states, bound to the MIDI client.
#pragma once

#include "midi/MidiChannelState.h"
#include "midi/MidiInInterface.h"

#include <array>

namespace rivo
{

class MidiInChn : public MidiInInterface
{
public:
	static constexpr int NBR_CHANNELS = 16;

	// The device's own init, then the channels.
	int init() override;
	// chn is taken modulo 16: a status byte carries only four channel bits.
	MidiChannelState &use_channel(int chn) noexcept
	{
		return _channels[size_t(chn & (NBR_CHANNELS - 1))];
	}

private:
	std::array<MidiChannelState, NBR_CHANNELS> _channels;
};

}  // namespace rivo
