// An output device that sends every message as packets of four bytes
// (status with channel, three data bytes). RPNs and NRPNs take four
// controller packets, a program change three.
#pragma once

#include "midi/MidiOutInterface.h"

namespace rivo
{

class MidiOut4BPacketMixin : public MidiOutInterface
{
public:
	int do_send_midi_chn_cmd(int chn, int cmd, int data1, int data2) override;
	int do_send_midi_common_cmd(int a, int b, int c) override;
	int do_send_midi_rt_cmd(int a) override;
	int do_send_midi_program_change(int chn, long program) override;
	int do_send_midi_rpn(int chn, int number, long value) override;
	int do_send_midi_nrpn(int chn, int number, long value) override;

protected:
	// Non-zero when the packet was queued.
	virtual int enqueue_event(int status, int data1, int data2, int data3) = 0;

private:
	// The number's and the value's controllers; every packet is tried.
	int send_xrpn(int chn, int ctrl_msb, int ctrl_lsb, int number, long value);
	bool is_standard() const noexcept;
};

}  // namespace rivo
