// Where parsed MIDI goes: the engine's MIDI client, the MIDI manager's output
// side and every output device. The base version takes everything and does
// nothing; each sending operation returns non-zero when the message was sent.
#pragma once

namespace rivo
{

class MidiReceiverInterface
{
public:
	virtual ~MidiReceiverInterface() = default;

	virtual void do_set_time_stamp(long)
	{
	}
	virtual int do_send_midi_note_on(int, int, float, float, float, bool)
	{
		return 0;
	}
	virtual int do_send_midi_note_off(int, int, float)
	{
		return 0;
	}
	virtual int do_send_midi_velo(int, int, float)
	{
		return 0;
	}
	virtual int do_send_midi_pitch_bend(int, float)
	{
		return 0;
	}
	virtual int do_send_midi_program_change(int, long)
	{
		return 0;
	}
	virtual int do_send_midi_rpn(int, int, long)
	{
		return 0;
	}
	virtual int do_send_midi_nrpn(int, int, long)
	{
		return 0;
	}
	// cmd: the status nibble, 8..14.
	virtual int do_send_midi_chn_cmd(int, int, int, int)
	{
		return 0;
	}
	virtual int do_send_midi_rt_cmd(int)
	{
		return 0;
	}
	virtual int do_send_midi_common_cmd(int, int, int)
	{
		return 0;
	}
	virtual int do_send_midi_sys_ex(long, const unsigned char *)
	{
		return 0;
	}
	virtual int do_send_midi_reset()
	{
		return 0;
	}
};

}  // namespace rivo
