// The adapter between a VST 2 host and the plug-in's own halves: arbitrates
// every parameter change, stores it into the current program and fans it out
// to the engine, the editor and the host.
#pragma once

#include "host/AudioEffectX.h"
#include "params/BankManager.h"
#include "params/DspInterface.h"
#include "params/GuiInterface.h"
#include "params/ParamPriorityList.h"
#include "params/PluginCmdInterface.h"

#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace rivo
{

class MidiDevSelDispatcher;
class MidiDevSelectorInterface;
class MidiMgr;
class MidiReceiverInterface;
class Vst2MidiDevSelComp;

class Vst2Plugin : public AudioEffectX, public PluginCmdInterface
{
public:
	struct StereoIndex
	{
		int _chn[2] = {-1, -1};  // host channel of the pin's channel 0 and 1
	};

	static constexpr int MAX_AUTOMATION_LEVEL = 999999999;
	// In bank chunks, this bit of a program's flags marks the program playing.
	static constexpr long CUR_PROG_FLAG = 1;

	// Takes ownership of dsp and gui (gui may be null). With a MIDI receiver
	// (the engine's MIDI client, not owned) the plug-in has a MIDI path: the
	// MIDI manager, its device selector and the host's MIDI devices. The bank
	// must hold at least one program (std::invalid_argument otherwise).
	Vst2Plugin(audioMasterCallback host_callback, DspInterface *dsp_ptr, GuiInterface *gui_ptr,
	           MidiReceiverInterface *midi_ptr, const BankManager &bank, long unique_id);
	~Vst2Plugin() override;

	void set_rel_plugin_dir(const char *dir_0);
	void init();
	void set_default_state();
	void restore() noexcept;

	// Loads the "KTPB" resource of that name; 0 on success, -1 when it is missing.
	static int load_bank_from_rsc(const char *name_0, BankManager &bank);
	std::string get_plugin_dir() const;
	int get_input_index(int pin, int chn) const;
	int get_output_index(int pin, int chn) const;
	DspInterface &use_dsp() const noexcept
	{
		return *_dsp_ptr;
	}
	int get_max_automation_level() const noexcept
	{
		return _max_automation_level;
	}
	// Null without a MIDI path.
	MidiMgr *use_midi_interface() const noexcept
	{
		return _midi_mgr.get();
	}
	MidiDevSelDispatcher *use_midi_dev_sel() const noexcept
	{
		return _midi_dispatcher.get();
	}

	// PluginCmdInterface
	bool is_param_free(int index, int prio) override;
	bool reserve_param(int index, int prio) override;
	void release_param(int index, int prio) override;
	bool set_param_pi(long index, float nval, int prio) override;
	bool set_param_pi_and_host(long index, float nval, int prio) override;
	// Takes the bank's lock: a program may come from the editor while the
	// host saves a chunk.
	void set_program_pi_and_host(const ProgramSlot &slot, int prio, bool release, bool notify_host) override;

	// AudioEffect, AudioEffectX
	void setParameter(VstInt32 index, float value) override;
	float getParameter(VstInt32 index) override;
	void process(float **inputs, float **outputs, VstInt32 nbr_spl) override;
	void processReplacing(float **inputs, float **outputs, VstInt32 nbr_spl) override;
	void setProgram(VstInt32 program) override;
	void setProgramName(char *name) override;
	void getProgramName(char *name) override;
	void getParameterLabel(VstInt32 index, char *label) override;
	void getParameterDisplay(VstInt32 index, char *text) override;
	void getParameterName(VstInt32 index, char *text) override;
	VstInt32 getChunk(void **data, bool is_preset) override;
	VstInt32 setChunk(void *data, VstInt32 size, bool is_preset) override;
	void setSampleRate(float rate) override;
	void suspend() override;
	void resume() override;
	VstInt32 processEvents(VstEvents *events) override;
	bool canParameterBeAutomated(VstInt32 index) override;
	bool string2parameter(VstInt32 index, char *text) override;
	bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char *text) override;
	bool copyProgram(VstInt32 destination) override;
	bool getInputProperties(VstInt32 index, VstPinProperties *properties) override;
	bool getOutputProperties(VstInt32 index, VstPinProperties *properties) override;
	VstPlugCategory getPlugCategory() override;
	bool getEffectName(char *name) override;
	bool getVendorString(char *text) override;
	bool getProductString(char *text) override;
	VstInt32 getVendorVersion() override;
	VstInt32 canDo(char *text) override;
	bool getParameterProperties(VstInt32 index, VstParameterProperties *properties) override;

protected:
	// A new host tempo for the editor's next idle call.
	virtual void request_tempo_gui_refresh_from_process(double tempo) = 0;
	virtual std::string do_get_plugin_dir() const = 0;

private:
	void count_nbr_in_out_chn();
	void find_automatable_parameters();
	void process_pre();
	void process_post();
	bool chunk_storage_needed() const;
	bool is_param_index(long index) const noexcept
	{
		return index >= 0 && index < _dsp_ptr->get_nbr_param();
	}
	// Callers hold _bank_mutex.
	ProgramSlot &use_cur_slot()
	{
		return _bank[getProgram()];
	}
	// The engine's values are the current program's truth (host automation
	// reaches only them, lock-free); the stored slot is brought up to date
	// whenever it is read or left. Callers hold _bank_mutex.
	void sync_cur_slot();
	// Callers hold _bank_mutex; with automation_ptr, the values the host is
	// to be told of are added there, to be sent once the lock is free.
	void apply_program(const ProgramSlot &slot, int prio, bool release,
	                   std::vector<std::pair<int, float>> *automation_ptr);
	VstInt32 set_chunk_locked(const unsigned char *data_ptr, VstInt32 size, bool is_preset);
	void select_program(VstInt32 program);
	// The slot layout every stored program has, so that whatever is taken in
	// can be written out again.
	bool fits_layout(const ProgramSlot &slot) const;
	static bool sanitize_values(ProgramSlot &slot);
	static bool fill_pin_properties(const std::vector<StereoIndex> &index_arr, int nbr_pin,
	                                const PinProperty &(DspInterface::*get_pin)(int) const, const DspInterface &dsp,
	                                VstInt32 index, VstPinProperties *properties);

	BankManager _bank;
	ParamPriorityList _prio_list;
	std::unique_ptr<DspInterface> _dsp_ptr;
	std::unique_ptr<GuiInterface> _gui_ptr;
	MidiReceiverInterface *_midi_receiver_ptr = nullptr;
	std::unique_ptr<MidiMgr> _midi_mgr;
	std::unique_ptr<Vst2MidiDevSelComp> _vst_midi_comp;
	std::unique_ptr<MidiDevSelDispatcher> _midi_dispatcher;
	// Which parameters the program being applied could take; sized at init.
	std::vector<char> _acquired;
	int _nbr_in_chn = 0;
	int _nbr_out_chn = 0;
	int _max_automation_level = MAX_AUTOMATION_LEVEL;
	float _last_tempo = 0;
	std::vector<StereoIndex> _in_index_arr;
	std::vector<StereoIndex> _out_index_arr;
	std::string _rel_plugin_dir;
	// Each stays valid until the next getChunk of its kind.
	std::vector<unsigned char> _prog_chunk_buf;
	std::vector<unsigned char> _bank_chunk_buf;
	// Serialises the dispatcher-side calls that read or replace programs
	// (chunks, program changes and names). The audio thread never takes it:
	// host automation and processing touch only atomics.
	mutable std::recursive_mutex _bank_mutex;
	bool _restored = false;
};

}  // namespace rivo
