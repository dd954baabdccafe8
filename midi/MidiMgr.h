// Binds MIDI controllers (control changes, RPNs, NRPNs) to parameters, in
// both directions: controllers coming in set parameters, parameter changes
// go out as controllers. Also the auto-bind target, the persistent MIDI
// preferences, the current input and output devices, and the binding table
// in setting files.
//
// The table is two sets of atomic entries (controller to parameter and
// parameter to controller), so that the MIDI and audio threads read and
// auto-bind without a lock or an allocation while the editor loads settings.
#pragma once

#include "config/SettingClientInterface.h"
#include "midi/MidiReceiverInterface.h"
#include "midi/PersistentMidiSettings.h"

#include <atomic>
#include <memory>
#include <string>

namespace rivo
{

class DspInterface;
class MidiDevSelectorInterface;
class MidiInInterface;
class MidiOutInterface;
class PluginCmdInterface;

class MidiMgr : public MidiReceiverInterface, public basic::SettingClientInterface
{
public:
	// Kinds of controller ids besides the CC numbers.
	static constexpr int KIND_NRPN = 99;
	static constexpr int KIND_RPN = 101;
	static constexpr int MAX_NUMBER = 16383;
	static constexpr float NORM_SCALE = 6.103888176768602e-5f;  // 1 / 16383
	// Indices beyond the parameters are the engine's scalar messages; so
	// many of them can be bound.
	static constexpr int NBR_SCALAR_TARGETS = 64;
	// load_settings: the "control_map" key holds no keys of its own.
	static constexpr int ERR_BAD_KEY_TYPE = -3;

	static constexpr const char *MIDI_KEY_NAME = "midi";
	static constexpr const char *CTRL_KEY_NAME = "control_map";
	static constexpr const char *PARAM_ID_KEY_PREFIX = "id_";
	static constexpr const char *CC_PREFIX = "cc_";
	static constexpr const char *RPN_PREFIX = "rpn_";
	static constexpr const char *NRPN_PREFIX = "nrpn_";

	// A record to write the table sorted by parameter.
	struct ParamMapping
	{
		int _param;
		int _kind;
		int _number;
	};
	struct ParamMappingPred
	{
		bool operator()(const ParamMapping &a, const ParamMapping &b) const noexcept
		{
			return a._param < b._param;
		}
	};

	MidiMgr();
	~MidiMgr() override;

	static long encode_ctrl_id(int kind, int number) noexcept
	{
		return (kind == KIND_NRPN || kind == KIND_RPN) ? (long(kind) << 16) + (number & MAX_NUMBER)
		                                               : long(kind) << 16;
	}
	static void decode_ctrl_id(long id, int &kind, int &number) noexcept
	{
		kind = int(id >> 16);
		number = int(id & 0x3FFF);
	}

	void connect_obj(MidiReceiverInterface &client, DspInterface &dsp, MidiDevSelectorInterface &selector,
	                 PluginCmdInterface &cmd);
	void set_persistent_midi_settings(const char *name_0);
	PersistentMidiSettings &use_persistent_midi_settings() noexcept
	{
		return _persistent;
	}
	const PersistentMidiSettings &use_persistent_midi_settings() const noexcept
	{
		return _persistent;
	}
	// Scans the devices.
	int init();
	void restore() {}
	void set_default_state() {}
	// NRPN i drives parameter i, for every parameter.
	void set_default_nrpn_mapping();

	int associate_param(int param, long ctrl_id);
	int associate_param(int param, int kind, int number)
	{
		return associate_param(param, encode_ctrl_id(kind, number));
	}
	void dissociate_param(int param);
	void clear_mapping();
	// param -1 and norm -1 for an unbound controller.
	void map_cc_2_param(long ctrl_id, int value, int &param, float &norm) const;
	// With a target armed, binds the controller to it first (never an NRPN).
	void autobind_cc_2_param(long ctrl_id, int value, int &param, float &norm);
	// false when the parameter is not bound.
	bool map_param_2_cc(int param, float norm, long &ctrl_id, int &value) const;
	// 0, -1 (a send failed, or no output device) or -2 (not bound).
	int param_to_midi_out(int chn, int param, float norm);

	void set_autobind_param(int param) noexcept
	{
		_autobind_target.store(param);
	}
	int get_autobind_param() const noexcept
	{
		return _autobind_target.load();
	}
	void clear_cur_autobind() noexcept
	{
		_autobind_target.store(-1);
	}
	bool get_latest_autobind_info(int &param, long &ctrl_id) const noexcept;
	void clear_latest_autobind_info() noexcept
	{
		_latest_param.store(-1);
	}

	MidiInInterface *get_input_device() const noexcept
	{
		return _in_ptr.load();
	}
	// A device taken away may still be in use on the audio thread or by a
	// sender: this returns once nobody uses it any more, so that the caller
	// may delete it. The audio thread never waits.
	void set_input_device(MidiInInterface *dev_ptr) noexcept;
	MidiOutInterface *get_output_device() const noexcept
	{
		return _out_ptr.load();
	}
	void set_output_device(MidiOutInterface *dev_ptr) noexcept;
	MidiDevSelectorInterface *use_dev_selector() const noexcept
	{
		return _selector_ptr;
	}
	PluginCmdInterface *use_plugin_cmd() const noexcept
	{
		return _cmd_ptr;
	}
	MidiReceiverInterface *use_midi_client() const noexcept
	{
		return _client_ptr;
	}
	DspInterface *use_dsp() const noexcept
	{
		return _dsp_ptr;
	}

	void process_pre();
	void process_post();

	int save_settings(basic::ConfKeyMulti &parent) override;
	int load_settings(const basic::ConfKeyMulti &parent) override;

	// The output side: to the output device, when there is one.
	void do_set_time_stamp(long t) override;
	int do_send_midi_note_on(int chn, int note, float velo, float a, float b, bool f) override;
	int do_send_midi_note_off(int chn, int note, float velo) override;
	int do_send_midi_velo(int chn, int note, float pressure) override;
	int do_send_midi_pitch_bend(int chn, float semitones) override;
	int do_send_midi_program_change(int chn, long program) override;
	int do_send_midi_rpn(int chn, int number, long value) override;
	int do_send_midi_nrpn(int chn, int number, long value) override;
	int do_send_midi_chn_cmd(int chn, int cmd, int data1, int data2) override;
	int do_send_midi_rt_cmd(int cmd) override;
	int do_send_midi_common_cmd(int a, int b, int c) override;
	int do_send_midi_sys_ex(long len, const unsigned char *data_ptr) override;
	int do_send_midi_reset() override;

	// Text of the keys: "id_<param>" and "cc_<n>", "rpn_<n>", "nrpn_<n>".
	// 0, or -1 (wrong prefix) or -2 (no number, or a negative one).
	static int decode_param_key(const std::string &name, int &param);
	static int decode_ctrl_key(const std::string &content, int &kind, int &number);

private:
	// The slot of a controller id in _ctrl_to_param; -1 when it has none.
	static int ctrl_slot(long ctrl_id) noexcept;
	static long slot_ctrl(int slot) noexcept;
	int nbr_targets() const noexcept
	{
		return _nbr_targets;
	}
	int save_param_map(basic::ConfKeyMulti &midi);
	// One writer of the table at a time; the MIDI thread only tries.
	bool lock_writer(bool wait) noexcept;
	void associate_locked(int param, long ctrl_id);
	void dissociate_locked(int param);
	// Counts a use of the devices while it lives.
	class Use
	{
	public:
		explicit Use(const MidiMgr &mgr) noexcept : _mgr(mgr)
		{
			_mgr._nbr_users.fetch_add(1);
		}
		~Use()
		{
			_mgr._nbr_users.fetch_sub(1);
		}
		Use(const Use &) = delete;
		Use &operator=(const Use &) = delete;

	private:
		const MidiMgr &_mgr;
	};
	void wait_for_users() const noexcept;
	// The output device's answer, 0 without one.
	template <typename F>
	int send_out(F f)
	{
		const Use use(*this);
		MidiOutInterface *out_ptr = _out_ptr.load();
		return (out_ptr != nullptr) ? f(*out_ptr) : 0;
	}
	int load_param_map(const basic::ConfKeyMulti &midi);

	static constexpr int NBR_CC = 128;
	static constexpr int NBR_SLOTS = NBR_CC + 2 * (MAX_NUMBER + 1);
	static constexpr long NO_CTRL = -1;

	// Controller slot to parameter (-1: unbound) and parameter to controller
	// id (NO_CTRL: unbound).
	std::unique_ptr<std::atomic<int>[]> _ctrl_to_param;
	std::unique_ptr<std::atomic<long>[]> _param_to_ctrl;
	int _nbr_targets = 0;

	DspInterface *_dsp_ptr = nullptr;
	MidiReceiverInterface *_client_ptr = nullptr;
	std::atomic<MidiOutInterface *> _out_ptr{nullptr};
	std::atomic<MidiInInterface *> _in_ptr{nullptr};
	// Threads using a device right now.
	mutable std::atomic<int> _nbr_users{0};
	MidiDevSelectorInterface *_selector_ptr = nullptr;
	PluginCmdInterface *_cmd_ptr = nullptr;
	PersistentMidiSettings _persistent;
	std::atomic<bool> _writing{false};
	std::atomic<int> _autobind_target{-1};
	std::atomic<int> _latest_param{-1};
	std::atomic<long> _latest_ctrl{0};
};

}  // namespace rivo
