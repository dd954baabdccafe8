#include "midi/MidiMgr.h"

#include "config/ConfKeyContentString.h"
#include "config/ConfKeyData.h"
#include "config/ConfKeyMulti.h"
#include "midi/MidiDevSelectorInterface.h"
#include "midi/MidiInInterface.h"
#include "midi/MidiOutInterface.h"
#include "params/DspInterface.h"
#include "params/NormalizedParamInterface.h"
#include "sys/basic_fnc.h"

#include <algorithm>
#include <chrono>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

namespace rivo
{

MidiMgr::MidiMgr() : _ctrl_to_param(new std::atomic<int>[NBR_SLOTS])
{
	for (int s = 0; s < NBR_SLOTS; ++s)
	{
		_ctrl_to_param[size_t(s)].store(-1, std::memory_order_relaxed);
	}
}

MidiMgr::~MidiMgr() = default;

void MidiMgr::connect_obj(MidiReceiverInterface &client, DspInterface &dsp, MidiDevSelectorInterface &selector,
                          PluginCmdInterface &cmd)
{
	_client_ptr = &client;
	_dsp_ptr = &dsp;
	_selector_ptr = &selector;
	_cmd_ptr = &cmd;
	_nbr_targets = dsp.get_nbr_param() + NBR_SCALAR_TARGETS;
	_param_to_ctrl.reset(new std::atomic<long>[size_t(_nbr_targets)]);
	for (int p = 0; p < _nbr_targets; ++p)
	{
		_param_to_ctrl[size_t(p)].store(NO_CTRL, std::memory_order_relaxed);
	}
	selector.connect_midi_mgr(*this);
}

void MidiMgr::set_persistent_midi_settings(const char *name_0)
{
	_persistent.init(name_0);
}

int MidiMgr::init()
{
	return (_selector_ptr != nullptr) ? _selector_ptr->scan_devices() : -1;
}

int MidiMgr::ctrl_slot(long ctrl_id) noexcept
{
	int kind = 0;
	int number = 0;
	decode_ctrl_id(ctrl_id, kind, number);
	if (kind == KIND_RPN)
	{
		return NBR_CC + number;
	}
	if (kind == KIND_NRPN)
	{
		return NBR_CC + MAX_NUMBER + 1 + number;
	}
	return (kind >= 0 && kind < NBR_CC && ctrl_id == encode_ctrl_id(kind, 0)) ? kind : -1;
}

long MidiMgr::slot_ctrl(int slot) noexcept
{
	if (slot < NBR_CC)
	{
		return encode_ctrl_id(slot, 0);
	}
	slot -= NBR_CC;
	return (slot <= MAX_NUMBER) ? encode_ctrl_id(KIND_RPN, slot) : encode_ctrl_id(KIND_NRPN, slot - MAX_NUMBER - 1);
}

void MidiMgr::clear_mapping()
{
	for (int p = 0; p < _nbr_targets; ++p)
	{
		dissociate_param(p);
	}
}

void MidiMgr::set_default_nrpn_mapping()
{
	clear_mapping();
	const int n = (_dsp_ptr != nullptr) ? _dsp_ptr->get_nbr_param() : 0;
	for (int p = 0; p < n; ++p)
	{
		associate_param(p, KIND_NRPN, p);
	}
}

bool MidiMgr::lock_writer(bool wait) noexcept
{
	bool expected = false;
	while (!_writing.compare_exchange_weak(expected, true))
	{
		if (!wait)
		{
			return false;
		}
		expected = false;
		std::this_thread::yield();
	}
	return true;
}

void MidiMgr::dissociate_param(int param)
{
	lock_writer(true);
	dissociate_locked(param);
	_writing.store(false);
}

int MidiMgr::associate_param(int param, long ctrl_id)
{
	lock_writer(true);
	associate_locked(param, ctrl_id);
	_writing.store(false);
	return 0;
}

void MidiMgr::dissociate_locked(int param)
{
	if (param < 0 || param >= _nbr_targets)
	{
		return;
	}
	const long old = _param_to_ctrl[size_t(param)].exchange(NO_CTRL);
	const int slot = (old != NO_CTRL) ? ctrl_slot(old) : -1;
	if (slot >= 0)
	{
		int expected = param;
		_ctrl_to_param[size_t(slot)].compare_exchange_strong(expected, -1);
	}
}

void MidiMgr::associate_locked(int param, long ctrl_id)
{
	const int slot = ctrl_slot(ctrl_id);
	if (param < 0 || param >= _nbr_targets || slot < 0)
	{
		return;  // nothing that could be bound
	}
	dissociate_locked(param);
	// The controller leaves the parameter it drove before.
	const int previous = _ctrl_to_param[size_t(slot)].exchange(param);
	if (previous >= 0 && previous != param && previous < _nbr_targets)
	{
		long expected = ctrl_id;
		_param_to_ctrl[size_t(previous)].compare_exchange_strong(expected, NO_CTRL);
	}
	_param_to_ctrl[size_t(param)].store(ctrl_id);
}

void MidiMgr::map_cc_2_param(long ctrl_id, int value, int &param, float &norm) const
{
	const int slot = ctrl_slot(ctrl_id);
	param = (slot >= 0) ? _ctrl_to_param[size_t(slot)].load() : -1;
	norm = (param >= 0) ? float(value) * NORM_SCALE : -1.0f;
}

void MidiMgr::autobind_cc_2_param(long ctrl_id, int value, int &param, float &norm)
{
	const int target = _autobind_target.load();
	int kind = 0;
	int number = 0;
	decode_ctrl_id(ctrl_id, kind, number);
	// On the MIDI thread the table is only tried: while the editor writes
	// it (a setting file loading), the binding waits for the next message.
	if (target >= 0 && kind != KIND_NRPN && lock_writer(false))
	{
		associate_locked(target, ctrl_id);
		_writing.store(false);
		_latest_ctrl.store(ctrl_id);
		_latest_param.store(target);
		if (_persistent.get_autobind_mode() == PersistentMidiSettings::AutobindMode_ONE_SHOT)
		{
			_autobind_target.store(-1);
		}
	}
	map_cc_2_param(ctrl_id, value, param, norm);
}

bool MidiMgr::get_latest_autobind_info(int &param, long &ctrl_id) const noexcept
{
	const int p = _latest_param.load();
	if (p < 0)
	{
		return false;
	}
	param = p;
	ctrl_id = _latest_ctrl.load();
	return true;
}

bool MidiMgr::map_param_2_cc(int param, float norm, long &ctrl_id, int &value) const
{
	if (param < 0 || param >= _nbr_targets)
	{
		return false;
	}
	const long id = _param_to_ctrl[size_t(param)].load();
	if (id == NO_CTRL)
	{
		return false;
	}
	ctrl_id = id;
	value = int(std::floor(double(norm) * MAX_NUMBER + 0.5));
	value = std::clamp(value, 0, int(MAX_NUMBER));
	return true;
}

int MidiMgr::param_to_midi_out(int chn, int param, float norm)
{
	long id = 0;
	int value = 0;
	if (!map_param_2_cc(param, norm, id, value))
	{
		return -2;
	}
	int kind = 0;
	int number = 0;
	decode_ctrl_id(id, kind, number);
	if (kind == KIND_NRPN)
	{
		return (do_send_midi_nrpn(chn, number, value) != 0) ? 0 : -1;
	}
	if (kind == KIND_RPN)
	{
		return (do_send_midi_rpn(chn, number, value) != 0) ? 0 : -1;
	}
	if (do_send_midi_chn_cmd(chn, 11, kind, value >> 7) == 0)
	{
		return -1;
	}
	// Controllers 0..31 have their fine half in 32..63.
	if (kind <= 31 && do_send_midi_chn_cmd(chn, 11, kind + 32, value & 127) == 0)
	{
		return -1;
	}
	return 0;
}

void MidiMgr::set_input_device(MidiInInterface *dev_ptr) noexcept
{
	_in_ptr.store(dev_ptr);
	wait_for_users();
}

void MidiMgr::set_output_device(MidiOutInterface *dev_ptr) noexcept
{
	_out_ptr.store(dev_ptr);
	wait_for_users();
}

void MidiMgr::wait_for_users() const noexcept
{
	// A use lasts one block at most.
	while (_nbr_users.load() != 0)
	{
		std::this_thread::sleep_for(std::chrono::microseconds(100));
	}
}

void MidiMgr::process_pre()
{
	const Use use(*this);
	if (MidiInInterface *in_ptr = _in_ptr.load())
	{
		in_ptr->process_pre();
	}
	if (MidiOutInterface *out_ptr = _out_ptr.load())
	{
		out_ptr->process_pre();
	}
}

void MidiMgr::process_post()
{
	const Use use(*this);
	if (MidiInInterface *in_ptr = _in_ptr.load())
	{
		in_ptr->reset_time_stamp(0);
		in_ptr->process_post();
	}
	if (MidiOutInterface *out_ptr = _out_ptr.load())
	{
		out_ptr->do_set_time_stamp(0);
		out_ptr->process_post();
	}
}

// Output side.

void MidiMgr::do_set_time_stamp(long t)
{
	send_out([t](MidiOutInterface &o) {
		o.do_set_time_stamp(t);
		return 0;
	});
}

int MidiMgr::do_send_midi_note_on(int chn, int note, float velo, float a, float b, bool f)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_note_on(chn, note, velo, a, b, f); });
}

int MidiMgr::do_send_midi_note_off(int chn, int note, float velo)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_note_off(chn, note, velo); });
}

int MidiMgr::do_send_midi_velo(int chn, int note, float pressure)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_velo(chn, note, pressure); });
}

int MidiMgr::do_send_midi_pitch_bend(int chn, float semitones)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_pitch_bend(chn, semitones); });
}

int MidiMgr::do_send_midi_program_change(int chn, long program)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_program_change(chn, program); });
}

int MidiMgr::do_send_midi_rpn(int chn, int number, long value)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_rpn(chn, number, value); });
}

int MidiMgr::do_send_midi_nrpn(int chn, int number, long value)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_nrpn(chn, number, value); });
}

int MidiMgr::do_send_midi_chn_cmd(int chn, int cmd, int data1, int data2)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_chn_cmd(chn, cmd, data1, data2); });
}

int MidiMgr::do_send_midi_rt_cmd(int cmd)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_rt_cmd(cmd); });
}

int MidiMgr::do_send_midi_common_cmd(int a, int b, int c)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_common_cmd(a, b, c); });
}

int MidiMgr::do_send_midi_sys_ex(long len, const unsigned char *data_ptr)
{
	return send_out([=](MidiOutInterface &o) { return o.do_send_midi_sys_ex(len, data_ptr); });
}

int MidiMgr::do_send_midi_reset()
{
	return send_out([](MidiOutInterface &o) { return o.do_send_midi_reset(); });
}

// Settings.

namespace
{

// The decimal number after a prefix: 0, or -2 without a digit.
int read_number(const std::string &txt, size_t start, int &number)
{
	if (start >= txt.size() || !std::isdigit(static_cast<unsigned char>(txt[start])))
	{
		return -2;
	}
	long n = 0;
	for (size_t i = start; i < txt.size() && std::isdigit(static_cast<unsigned char>(txt[i])); ++i)
	{
		n = std::min(n * 10 + (txt[i] - '0'), 1L << 30);
	}
	number = int(n);
	return 0;
}

bool starts_with_ci(const std::string &txt, const char *prefix_0)
{
	return basic::search_str_ci(prefix_0, txt.c_str()) == 0;
}

}  // namespace

int MidiMgr::decode_param_key(const std::string &name, int &param)
{
	if (!starts_with_ci(name, PARAM_ID_KEY_PREFIX))
	{
		return -1;
	}
	return read_number(name, std::string(PARAM_ID_KEY_PREFIX).size(), param);
}

int MidiMgr::decode_ctrl_key(const std::string &content, int &kind, int &number)
{
	if (starts_with_ci(content, CC_PREFIX))
	{
		number = 0;
		const int ret = read_number(content, std::string(CC_PREFIX).size(), kind);
		// Data entry and the (N)RPN number controllers are never controllers
		// of their own: "cc_99" would stand for NRPN 0.
		const bool own = kind < 128 && kind != 6 && kind != 38 && (kind < 98 || kind > 101);
		return (ret != 0) ? ret : (own ? 0 : -2);
	}
	if (starts_with_ci(content, RPN_PREFIX))
	{
		kind = KIND_RPN;
		return read_number(content, std::string(RPN_PREFIX).size(), number);
	}
	if (starts_with_ci(content, NRPN_PREFIX))
	{
		kind = KIND_NRPN;
		return read_number(content, std::string(NRPN_PREFIX).size(), number);
	}
	return -1;
}

int MidiMgr::save_param_map(basic::ConfKeyMulti &midi)
{
	basic::ConfKeyMulti map(CTRL_KEY_NAME);
	map.set_comment(std::string("Bind param with ") + CC_PREFIX + ", " + RPN_PREFIX + " or " + NRPN_PREFIX +
	                " as prefix + CC/(N)RPN #.");
	std::vector<ParamMapping> list;
	for (int p = 0; p < _nbr_targets; ++p)
	{
		const long id = _param_to_ctrl[size_t(p)].load();
		if (id != NO_CTRL)
		{
			ParamMapping m{p, 0, 0};
			decode_ctrl_id(id, m._kind, m._number);
			list.push_back(m);
		}
	}
	std::sort(list.begin(), list.end(), ParamMappingPred());
	for (const ParamMapping &m : list)
	{
		char name[32];
		std::snprintf(name, sizeof(name), "%s%d", PARAM_ID_KEY_PREFIX, m._param);
		char content[32];
		if (m._kind == KIND_NRPN || m._kind == KIND_RPN)
		{
			std::snprintf(content, sizeof(content), "%s%d", (m._kind == KIND_NRPN) ? NRPN_PREFIX : RPN_PREFIX,
			              m._number);
		}
		else
		{
			std::snprintf(content, sizeof(content), "%s%d", CC_PREFIX, m._kind);
		}
		basic::ConfKeyData key(name, content);
		if (_dsp_ptr != nullptr && m._param < _dsp_ptr->get_nbr_param())
		{
			char param_name[128];
			_dsp_ptr->get_param_ref(m._param)->get_name(param_name, sizeof(param_name));
			key.set_comment(param_name);
		}
		map.add_unique(key);
	}
	midi.add_unique(map);
	return 0;
}

int MidiMgr::save_settings(basic::ConfKeyMulti &parent)
{
	basic::ConfKeyMulti midi(MIDI_KEY_NAME);
	int ret = save_param_map(midi);
	if (ret == 0 && _selector_ptr != nullptr)
	{
		ret = _selector_ptr->save_settings(midi);
	}
	if (ret == 0)
	{
		parent.add_unique(midi);
	}
	return ret;
}

int MidiMgr::load_param_map(const basic::ConfKeyMulti &midi)
{
	const long index = midi.find_index(CTRL_KEY_NAME);
	if (index < 0)
	{
		return 0;
	}
	// A file that makes the table something else is refused, not a crash.
	const auto *map_ptr = dynamic_cast<const basic::ConfKeyMulti *>(&midi.use_key(index));
	if (map_ptr == nullptr)
	{
		return ERR_BAD_KEY_TYPE;
	}
	for (long k = 0; k < map_ptr->get_nbr_keys(); ++k)
	{
		const auto *data_ptr = dynamic_cast<const basic::ConfKeyData *>(&map_ptr->use_key(k));
		const auto *text_ptr =
		   (data_ptr != nullptr) ? dynamic_cast<const basic::ConfKeyContentString *>(&data_ptr->use_content()) : nullptr;
		int param = 0;
		int kind = 0;
		int number = 0;
		if (text_ptr != nullptr && decode_param_key(data_ptr->get_name(), param) == 0 &&
		    decode_ctrl_key(text_ptr->get_text(), kind, number) == 0)
		{
			associate_param(param, kind, number);
		}
	}
	return 0;
}

int MidiMgr::load_settings(const basic::ConfKeyMulti &parent)
{
	const long index = parent.find_index_multi(MIDI_KEY_NAME);
	if (index < 0)
	{
		return 0;
	}
	const auto &midi = static_cast<const basic::ConfKeyMulti &>(parent.use_key(index));
	int ret = load_param_map(midi);
	if (ret == 0 && _selector_ptr != nullptr)
	{
		ret = _selector_ptr->load_settings(midi);
	}
	return ret;
}

}  // namespace rivo
