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
	const int ctrl = 0xB0 | (chn & 15);
	const int r1 = enqueue_event(ctrl, 0, int(program >> 7) & 127, 0);
	const int r2 = enqueue_event(ctrl, 32, int(program >> 14) & 127, 0);
	const int r3 = enqueue_event(0xC0 | (chn & 15), int(program) & 127, 0, 0);
	return (r1 != 0 && r2 != 0 && r3 != 0) ? 1 : 0;
}

int MidiOut4BPacketMixin::send_xrpn(int chn, int ctrl_msb, int ctrl_lsb, int number, long value)
{
	const int ctrl = 0xB0 | (chn & 15);
	const int r1 = enqueue_event(ctrl, ctrl_msb, (number >> 7) & 127, 0);
	const int r2 = enqueue_event(ctrl, ctrl_lsb, number & 127, 0);
	const int r3 = enqueue_event(ctrl, 6, int(value >> 7) & 127, 0);
	const int r4 = enqueue_event(ctrl, 38, int(value) & 127, 0);
	return (r1 != 0 && r2 != 0 && r3 != 0 && r4 != 0) ? 1 : 0;
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
