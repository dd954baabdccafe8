#include "midi/MidiChannelState.h"

#include "midi/MidiReceiverInterface.h"

namespace rivo
{

void MidiChannelState::init(MidiReceiverInterface &client, int chn) noexcept
{
	_client_ptr = &client;
	_chn = chn;
}

void MidiChannelState::select_number(int &number, int value, DataEntryType type) noexcept
{
	number = value;
	_type = type;
	// A new number starts with a fresh value for numbers that keep none.
	_other_val = 0;
}

void MidiChannelState::set_rpn_id_msb(int v) noexcept
{
	select_number(_rpn, with_msb(_rpn, v), DataEntryType_RPN);
}

void MidiChannelState::set_rpn_id_lsb(int v) noexcept
{
	select_number(_rpn, with_lsb(_rpn, v), DataEntryType_RPN);
}

void MidiChannelState::set_nrpn_id_msb(int v) noexcept
{
	select_number(_nrpn, with_msb(_nrpn, v), DataEntryType_NRPN);
}

void MidiChannelState::set_nrpn_id_lsb(int v) noexcept
{
	select_number(_nrpn, with_lsb(_nrpn, v), DataEntryType_NRPN);
}

void MidiChannelState::set_xrpn_msb(int v) noexcept
{
	set_xrpn(true, v);
}

void MidiChannelState::set_xrpn_lsb(int v) noexcept
{
	set_xrpn(false, v);
}

void MidiChannelState::set_xrpn(bool msb, int v) noexcept
{
	const auto put = [msb, v](int value) { return msb ? with_msb(value, v) : with_lsb(value, v); };
	if (_type == DataEntryType_NRPN)
	{
		if (_nrpn < NBR_NRPN_VALUES)
		{
			_nrpn_val[_nrpn] = uint16_t(put(_nrpn_val[_nrpn]));
		}
		else
		{
			_other_val = put(_other_val);
		}
		return;
	}
	switch (_rpn)
	{
	case 0:
		_bend_range_code = put(_bend_range_code);
		update_bend_range();
		break;
	case 1:
		_tuning_code = put(_tuning_code);
		update_tuning();
		break;
	case 2:
		if (msb)
		{
			_tuning_code = (v & 0x7F) << 7;
			update_tuning();
		}
		break;
	case RPN_NULL: rpn_reset(); break;
	default: _other_val = put(_other_val); break;
	}
}

int MidiChannelState::get_rpn_val() const noexcept
{
	switch (_rpn)
	{
	case 0: return _bend_range_code;
	case 1: return _tuning_code;
	case 2: return _tuning_code >> 7;
	case RPN_NULL: return 0;
	default: return _other_val;
	}
}

int MidiChannelState::get_nrpn_val() const noexcept
{
	return (_nrpn < NBR_NRPN_VALUES) ? _nrpn_val[_nrpn] : _other_val;
}

void MidiChannelState::rpn_reset() noexcept
{
	_rpn = 0;
	_bend_range_code = 8448;
	_tuning_code = 8192;
	update_tuning();
	update_bend_range();
}

void MidiChannelState::update_bend_range() noexcept
{
	_bend_range = 0.01 * (_bend_range_code & 127) + ((_bend_range_code >> 7) - 64);
	_bend_scale = _bend_range * (1.0 / 8192);
}

void MidiChannelState::update_tuning() noexcept
{
	_pitch_mod = 0.01 * (_tuning_code & 127) + ((_tuning_code >> 7) - 64);
}

void MidiChannelState::set_pitch_bend(int lsb, int msb)
{
	_bend = _bend_scale * ((msb * 128 + lsb) - 8192);
	if (_client_ptr != nullptr)
	{
		_client_ptr->do_send_midi_pitch_bend(_chn, float(_bend));
	}
}

void MidiChannelState::set_program(int prog)
{
	_program = _bank * 128 + prog;
	if (_client_ptr != nullptr)
	{
		_client_ptr->do_send_midi_program_change(_chn, _program);
	}
}

void MidiChannelState::set_chn_pressure(int value)
{
	for (int note = 0; note < 128; ++note)
	{
		if (_held[size_t(note)])
		{
			set_aftertouch(note, value);
		}
	}
}

void MidiChannelState::set_aftertouch(int note, int value)
{
	if (_client_ptr != nullptr)
	{
		_client_ptr->do_send_midi_velo(_chn, note, float(value) * 0.015625f);
	}
}

void MidiChannelState::midi_note_on(int note, int velo, float)
{
	if (velo == 0)
	{
		midi_note_off(note, velo);
		return;
	}
	_held.set(size_t(note & 127));
	if (_client_ptr != nullptr)
	{
		_client_ptr->do_send_midi_note_on(_chn, note, float(velo), 0, 0, false);
	}
}

void MidiChannelState::midi_note_off(int note, int velo)
{
	_held.reset(size_t(note & 127));
	if (_client_ptr != nullptr)
	{
		_client_ptr->do_send_midi_note_off(_chn, note, float(velo));
	}
}

}  // namespace rivo
