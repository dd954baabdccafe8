// A MIDI input device.
#pragma once

#include "midi/MidiDevInterface.h"

namespace rivo
{

class MidiInInterface : public MidiDevInterface
{
public:
	void reset_time_stamp(long t)
	{
		do_reset_time_stamp(t);
	}

protected:
	virtual void do_reset_time_stamp(long t) = 0;
};

}  // namespace rivo
