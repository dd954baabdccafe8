// A MIDI output device: it receives what the MIDI manager sends out.
#pragma once

#include "midi/MidiDevInterface.h"
#include "midi/MidiReceiverInterface.h"

namespace rivo
{

class MidiOutInterface : public MidiDevInterface, public MidiReceiverInterface
{
};

}  // namespace rivo
