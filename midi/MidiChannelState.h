// The running state of one MIDI channel: the selected RPN or NRPN and the
// values entered for it, pitch-bend range and tuning, held keys, program.
// Channel messages are passed on to the MIDI client.
#pragma once

#include <bitset>
#include <cstdint>

namespace rivo
{

class MidiReceiverInterface;

class MidiChannelState
{
public:
	enum DataEntryType
	{
		DataEntryType_RPN = 0,
		DataEntryType_NRPN = 1
	};
	static constexpr int NBR_NRPN_VALUES = 256;
	static constexpr int RPN_NULL = 16383;

	virtual ~MidiChannelState() = default;

	void init(MidiReceiverInterface &client, int chn) noexcept;

	void set_xrpn_msb(int v) noexcept;
	void set_xrpn_lsb(int v) noexcept;
	void set_rpn_id_msb(int v) noexcept;
	void set_rpn_id_lsb(int v) noexcept;
	void set_nrpn_id_msb(int v) noexcept;
	void set_nrpn_id_lsb(int v) noexcept;
	int get_rpn_id() const noexcept
	{
		return _rpn;
	}
	int get_nrpn_id() const noexcept
	{
		return _nrpn;
	}
	int get_rpn_val() const noexcept;
	int get_nrpn_val() const noexcept;
	int get_data_entry_type() const noexcept
	{
		return _type;
	}
	void rpn_reset() noexcept;

	void set_pitch_bend(int lsb, int msb);
	void set_program(int prog);
	void set_chn_pressure(int value);
	void set_aftertouch(int note, int value);
	void midi_note_on(int note, int velo, float);
	void midi_note_off(int note, int velo);

	double get_pitch_bend() const noexcept
	{
		return _bend;
	}
	double get_pitch_bend_range() const noexcept
	{
		return _bend_range;
	}
	double get_pitch_modifier() const noexcept
	{
		return _pitch_mod;
	}
	int get_program() const noexcept
	{
		return _program;
	}
	int get_bank() const noexcept
	{
		return _bank;
	}

private:
	// value's upper (msb) or lower seven bits := v.
	static int with_msb(int value, int v) noexcept
	{
		return (value & 0x7F) | ((v & 0x7F) << 7);
	}
	static int with_lsb(int value, int v) noexcept
	{
		return (value & 0x3F80) | (v & 0x7F);
	}
	void set_xrpn(bool msb, int v) noexcept;
	void select_number(int &number, int value, DataEntryType type) noexcept;
	void update_bend_range() noexcept;
	void update_tuning() noexcept;

	MidiReceiverInterface *_client_ptr = nullptr;
	int _chn = 0;
	std::bitset<128> _held;
	int _type = DataEntryType_RPN;
	int _bank = 0;
	int _program = 0;
	int _rpn = 0;
	int _bend_range_code = 8448;
	int _tuning_code = 8192;
	int _nrpn = 0;
	uint16_t _nrpn_val[NBR_NRPN_VALUES] = {};
	// The value entered for an RPN or NRPN that keeps none of its own (any
	// RPN but 0, 1, 2 and null; NRPNs from 256): a controller bound to one
	// still gets the value sent.
	int _other_val = 0;
	double _bend = 0;
	double _bend_range = 2.0;
	double _bend_scale = 2.0 / 8192;
	double _pitch_mod = 0;
};

}  // namespace rivo
