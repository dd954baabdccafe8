#include "midi/MidiOut4BPacketMixin.h"

#include "midi/MidiMgr.h"

namespace rivo
{

bool MidiOut4BPacketMixin::is_standard() const noexcept
{
	const MidiMgr *mgr_ptr = use_midi_mgr();
	return mgr_ptr == nullptr || mgr_ptr->use_persistent_midi_settings().get_nrpn_compatibility() != 0;
}

int MidiOut4BPacketMixin::do_send_midi_chn_cmd(int chn, int cmd, int data1, int data2)
{
	return enqueue_event(((cmd & 15) << 4) | (chn & 15), data1 & 127, data2 & 127, 0);
}

int MidiOut4BPacketMixin::do_send_midi_common_cmd(int a, int b, int c)
{
	return enqueue_event(a, b, c, 0);
}

int MidiOut4BPacketMixin::do_send_midi_rt_cmd(int a)
{
	return enqueue_event(a, 0, 0, 0);
}

int MidiOut4BPacketMixin::do_send_midi_program_change(int chn, long program)
{
	// program = bank * 128 + number: the bank's upper seven bits go in the
	// bank-select MSB (controller 0), its lower seven in the LSB (32).
	const uint8_t ctrl = uint8_t(0xB0 | (chn & 15));
	const Packet list[3] = {{ctrl, 0, uint8_t((program >> 14) & 127), 0},
	                        {ctrl, 32, uint8_t((program >> 7) & 127), 0},
	                        {uint8_t(0xC0 | (chn & 15)), uint8_t(program & 127), 0, 0}};
	return enqueue_packets(list, 3);
}

int MidiOut4BPacketMixin::send_xrpn(int chn, int ctrl_msb, int ctrl_lsb, int number, long value)
{
	const uint8_t ctrl = uint8_t(0xB0 | (chn & 15));
	const Packet list[4] = {{ctrl, uint8_t(ctrl_msb), uint8_t((number >> 7) & 127), 0},
	                        {ctrl, uint8_t(ctrl_lsb), uint8_t(number & 127), 0},
	                        {ctrl, 6, uint8_t((value >> 7) & 127), 0},
	                        {ctrl, 38, uint8_t(value & 127), 0}};
	return enqueue_packets(list, 4);
}

int MidiOut4BPacketMixin::do_send_midi_rpn(int chn, int number, long value)
{
	return is_standard() ? send_xrpn(chn, 101, 100, number, value) : send_xrpn(chn, 100, 101, number, value);
}

int MidiOut4BPacketMixin::do_send_midi_nrpn(int chn, int number, long value)
{
	return is_standard() ? send_xrpn(chn, 99, 98, number, value) : send_xrpn(chn, 98, 99, number, value);
}

}  // namespace rivo
