// An output device that sends every message as packets of four bytes
// (status with channel, three data bytes). RPNs and NRPNs take four
// controller packets, a program change three; the packets of one message
// are handed over together, so that they are sent or dropped together.
#pragma once

#include "midi/MidiOutInterface.h"

#include <array>
#include <cstdint>

namespace rivo
{

class MidiOut4BPacketMixin : public MidiOutInterface
{
public:
	using Packet = std::array<uint8_t, 4>;
	static constexpr int MAX_PACKETS = 4;

	int do_send_midi_chn_cmd(int chn, int cmd, int data1, int data2) override;
	int do_send_midi_common_cmd(int a, int b, int c) override;
	int do_send_midi_rt_cmd(int a) override;
	int do_send_midi_program_change(int chn, long program) override;
	int do_send_midi_rpn(int chn, int number, long value) override;
	int do_send_midi_nrpn(int chn, int number, long value) override;

protected:
	// Non-zero when the packet was queued.
	int enqueue_event(int status, int data1, int data2, int data3)
	{
		const Packet p = {uint8_t(status), uint8_t(data1), uint8_t(data2), uint8_t(data3)};
		return enqueue_packets(&p, 1);
	}
	// The packets of one message (nbr up to MAX_PACKETS), all or none.
	virtual int enqueue_packets(const Packet *list, int nbr) = 0;

private:
	// The number's and the value's controllers.
	int send_xrpn(int chn, int ctrl_msb, int ctrl_lsb, int number, long value);
	bool is_standard() const noexcept;
};

}  // namespace rivo
