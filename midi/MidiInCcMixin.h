// Turns channel messages into controller ids and 14-bit values for the
// parameters, through the channel states (RPN and NRPN data entry); other
// channel messages go to the MIDI client.
#pragma once

#include "midi/MidiInChn.h"

namespace rivo
{

class MidiInCcMixin : public MidiInChn
{
public:
	// value 0..127.
	void process_control_change(int chn, int cc, int value);
	// One channel message: status byte (with channel) and two data bytes,
	// each masked to seven bits; system messages are ignored.
	void process_message(int status, int data1, int data2);

	// What a controller does to the parameters.
	virtual void control_change_2_param(long ctrl_id, int value) = 0;

protected:
	// The common path of every device: auto-bind, then the parameter or the
	// engine's scalar message, through the plug-in's command interface.
	void apply_control(long ctrl_id, int value);
};

}  // namespace rivo
