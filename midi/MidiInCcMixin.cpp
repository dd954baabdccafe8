#include "midi/MidiInCcMixin.h"

#include "midi/MidiMgr.h"
#include "params/DspInterface.h"
#include "params/ParamPriority.h"
#include "params/PluginCmdInterface.h"

namespace rivo
{

void MidiInCcMixin::process_control_change(int chn, int cc, int value)
{
	MidiChannelState &state = use_channel(chn);
	const MidiMgr *mgr_ptr = use_midi_mgr();
	const bool standard =
	   mgr_ptr == nullptr || mgr_ptr->use_persistent_midi_settings().get_nrpn_compatibility() != 0;
	bool forward = true;
	switch (cc)
	{
	case 99: standard ? state.set_nrpn_id_msb(value) : state.set_nrpn_id_lsb(value); forward = false; break;
	case 98: standard ? state.set_nrpn_id_lsb(value) : state.set_nrpn_id_msb(value); forward = false; break;
	case 101: standard ? state.set_rpn_id_msb(value) : state.set_rpn_id_lsb(value); forward = false; break;
	case 100: standard ? state.set_rpn_id_lsb(value) : state.set_rpn_id_msb(value); forward = false; break;
	case 6: state.set_xrpn_msb(value); break;
	case 38: state.set_xrpn_lsb(value); break;
	default: break;
	}
	long id = 0;
	int val = 0;
	if (cc == 6 || cc == 38)
	{
		MidiReceiverInterface *client_ptr = use_midi_client();
		if (state.get_data_entry_type() == MidiChannelState::DataEntryType_RPN)
		{
			id = MidiMgr::encode_ctrl_id(MidiMgr::KIND_RPN, state.get_rpn_id());
			val = state.get_rpn_val();
			if (client_ptr != nullptr)
			{
				client_ptr->do_send_midi_rpn(chn, state.get_rpn_id(), val);
			}
		}
		else
		{
			id = MidiMgr::encode_ctrl_id(MidiMgr::KIND_NRPN, state.get_nrpn_id());
			val = state.get_nrpn_val();
			if (client_ptr != nullptr)
			{
				client_ptr->do_send_midi_nrpn(chn, state.get_nrpn_id(), val);
			}
		}
	}
	else
	{
		id = MidiMgr::encode_ctrl_id(cc, 0);
		val = value * 128;
	}
	if (forward)
	{
		control_change_2_param(id, val);
	}
}

void MidiInCcMixin::process_message(int status, int data1, int data2)
{
	const int chn = status & 15;
	data1 &= 127;
	data2 &= 127;
	MidiChannelState &state = use_channel(chn);
	switch ((status >> 4) & 15)
	{
	case 8: state.midi_note_off(data1, data2); break;
	case 9: state.midi_note_on(data1, data2, 0); break;
	case 10: state.set_aftertouch(data1, data2); break;
	case 11: process_control_change(chn, data1, data2); break;
	case 12: state.set_program(data1); break;
	case 13: state.set_chn_pressure(data1); break;
	case 14: state.set_pitch_bend(data1, data2); break;
	default: break;  // system messages, and data bytes where a status was due
	}
}

void MidiInCcMixin::apply_control(long ctrl_id, int value)
{
	MidiMgr *mgr_ptr = use_midi_mgr();
	if (mgr_ptr == nullptr)
	{
		return;
	}
	int param = -1;
	float norm = -1;
	mgr_ptr->autobind_cc_2_param(ctrl_id, value, param, norm);
	DspInterface *dsp_ptr = mgr_ptr->use_dsp();
	if (param < 0 || dsp_ptr == nullptr)
	{
		return;
	}
	if (param >= dsp_ptr->get_nbr_param())
	{
		dsp_ptr->send_scalar_msg(param, norm);
	}
	else if (PluginCmdInterface *cmd_ptr = mgr_ptr->use_plugin_cmd())
	{
		// The plain setter: MIDI changes go neither back out to MIDI nor to
		// the host's automation.
		cmd_ptr->set_param_pi(param, norm, ParamPriority::Prio_HOST_MIDI);
	}
}

}  // namespace rivo
