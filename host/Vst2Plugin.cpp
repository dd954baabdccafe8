// The host adapter.
#include "host/Vst2Plugin.h"

#include "host/Vst2MidiDevSelComp.h"
#include "midi/MidiDevSelDispatcher.h"
#include "midi/MidiMgr.h"
#include "params/KtpbFileOp.h"
#include "params/PinProperty.h"
#include "params/TimeInfo.h"
#include "params/HostDspInterface.h"
#include "sys/basic_fnc.h"
#include "sys/res_fnc.h"
#include "sys/sys_fnc.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <stdexcept>
#include <utility>

namespace rivo
{

namespace
{
constexpr int PRIO_HOST = 100;
constexpr int PRIO_PROGRAM = 200;
constexpr long PARAM_TXT_LEN = 23;
constexpr long PROG_NAME_LEN = 23;
constexpr long PROG_NAME_INDEXED_LEN = 64;
constexpr long EFFECT_NAME_LEN = 31;
constexpr long PRODUCT_LEN = 64;
constexpr long PIN_LABEL_LEN = 63;
}  // namespace

Vst2Plugin::Vst2Plugin(audioMasterCallback host_callback, DspInterface *dsp_ptr, GuiInterface *gui_ptr,
                       MidiReceiverInterface *midi_ptr, const BankManager &bank, long unique_id)
: AudioEffectX(host_callback, bank.get_nbr_prog(), dsp_ptr->get_nbr_param())
, _bank(bank)
, _dsp_ptr(dsp_ptr)
, _gui_ptr(gui_ptr)
, _midi_receiver_ptr(midi_ptr)
{
	if (_bank.get_nbr_prog() < 1)
	{
		// Every program call needs a current program.
		throw std::invalid_argument("Vst2Plugin::Vst2Plugin : the bank holds no program.");
	}
	_prio_list.set_nbr_param(_dsp_ptr->get_nbr_param());
	count_nbr_in_out_chn();
	setNumInputs(_nbr_in_chn);
	setNumOutputs(_nbr_out_chn);
	canProcessReplacing(true);
	if (basic::strcmp_ci(_dsp_ptr->get_string_property("plugin_category").c_str(), "instrument"))
	{
		isSynth(true);
	}
	setUniqueID(VstInt32(unique_id));
	if (_midi_receiver_ptr != nullptr)
	{
		_midi_mgr = std::make_unique<MidiMgr>();
		_vst_midi_comp = std::make_unique<Vst2MidiDevSelComp>();
		_midi_dispatcher = std::make_unique<MidiDevSelDispatcher>();
		_midi_mgr->connect_obj(*_midi_receiver_ptr, *_dsp_ptr, *_midi_dispatcher, *this);
		_midi_dispatcher->register_dev_list(*_vst_midi_comp);
		_vst_midi_comp->set_plugin(*this);
	}
}

Vst2Plugin::~Vst2Plugin()
{
	restore();
	// The devices go before the manager they refer to.
	if (_midi_dispatcher != nullptr)
	{
		_midi_dispatcher->select_default_dev(false);
	}
	_midi_dispatcher.reset();
	_vst_midi_comp.reset();
	_midi_mgr.reset();
}

void Vst2Plugin::set_rel_plugin_dir(const char *dir_0)
{
	_rel_plugin_dir = (dir_0 != nullptr) ? dir_0 : "";
}

void Vst2Plugin::init()
{
	_dsp_ptr->init();
	_acquired.reserve(size_t(_dsp_ptr->get_nbr_param()));
	if (chunk_storage_needed())
	{
		programsAreChunks(true);
	}
	if (_midi_mgr != nullptr)
	{
		_midi_mgr->init();
		_midi_dispatcher->init();
		_midi_dispatcher->select_default_dev(true);
	}
	if (_gui_ptr)
	{
		_gui_ptr->init();
	}
}

void Vst2Plugin::set_default_state()
{
	_dsp_ptr->set_default_state();
	if (_midi_mgr != nullptr)
	{
		_midi_mgr->set_default_state();
	}
	if (_gui_ptr)
	{
		_gui_ptr->set_default_state();
	}
}

void Vst2Plugin::restore() noexcept
{
	if (_restored)
	{
		return;
	}
	_restored = true;
	// Run from the destructors: a failure here must not end the host.
	try
	{
		_dsp_ptr->restore();
	}
	catch (...)
	{
	}
	if (_midi_mgr != nullptr)
	{
		_midi_mgr->restore();
	}
	try
	{
		if (_gui_ptr)
		{
			_gui_ptr->restore();
		}
	}
	catch (...)
	{
	}
}

int Vst2Plugin::load_bank_from_rsc(const char *name_0, BankManager &bank)
{
	size_t size = 0;
	const void *data_ptr = sys::get_resource("KTPB", name_0, size);
	if (data_ptr == nullptr)
	{
		return -1;
	}
	return KtpbFileOp::load_bank_mem(data_ptr, long(size), bank, false);
}

std::string Vst2Plugin::get_plugin_dir() const
{
	std::string dir = do_get_plugin_dir();
	if (!dir.empty() && !_rel_plugin_dir.empty())
	{
		dir += '/';
		dir += _rel_plugin_dir;
	}
	return dir;
}

void Vst2Plugin::count_nbr_in_out_chn()
{
	auto assign = [](int nbr_pin, auto get_pin, std::vector<StereoIndex> &index_arr, int &count) {
		index_arr.assign(size_t(nbr_pin), StereoIndex());
		for (int pin = 0; pin < nbr_pin; ++pin)
		{
			const int nbr_chn = std::min(get_pin(pin).get_nbr_chn(), 2);
			for (int c = 0; c < nbr_chn; ++c)
			{
				index_arr[size_t(pin)]._chn[c] = count + c;
			}
			count += nbr_chn;
		}
	};
	const DspInterface &dsp = *_dsp_ptr;
	assign(dsp.get_nbr_in_pin(), [&dsp](int p) -> const PinProperty & { return dsp.get_input_pin_prop(p); },
	       _in_index_arr, _nbr_in_chn);
	assign(dsp.get_nbr_out_pin(), [&dsp](int p) -> const PinProperty & { return dsp.get_output_pin_prop(p); },
	       _out_index_arr, _nbr_out_chn);
}

int Vst2Plugin::get_input_index(int pin, int chn) const
{
	return (pin >= 0 && pin < int(_in_index_arr.size()) && chn >= 0 && chn < 2) ? _in_index_arr[size_t(pin)]._chn[chn]
	                                                                             : -1;
}

int Vst2Plugin::get_output_index(int pin, int chn) const
{
	return (pin >= 0 && pin < int(_out_index_arr.size()) && chn >= 0 && chn < 2)
	          ? _out_index_arr[size_t(pin)]._chn[chn]
	          : -1;
}

bool Vst2Plugin::chunk_storage_needed() const
{
	return _bank.get_nbr_prog() > 0 && _bank[0].get_extra_byte_size() > 0;
}

bool Vst2Plugin::is_param_free(int index, int prio)
{
	return _prio_list.is_free(index, sys::get_time_stamp(), prio);
}

bool Vst2Plugin::reserve_param(int index, int prio)
{
	return _prio_list.get(index, sys::get_time_stamp(), prio);
}

void Vst2Plugin::release_param(int index, int prio)
{
	_prio_list.release(index, prio);
}

bool Vst2Plugin::set_param_pi(long index, float nval, int prio)
{
	if (!is_param_index(index) || !NormalizedParamInterface::sanitize_normalized(nval) ||
	    !_prio_list.get(int(index), sys::get_time_stamp(), prio))
	{
		return false;
	}
	// Only the engine's parameter takes the value here: hosts automate from
	// their audio thread, which must not wait for a chunk being written. The
	// stored program follows it when it is next read (sync_cur_slot).
	_dsp_ptr->get_param_ref(int(index))->set_from_normalized(nval);
	if (_gui_ptr)
	{
		_gui_ptr->set_param(int(index), nval, prio);
	}
	return true;
}

bool Vst2Plugin::set_param_pi_and_host(long index, float nval, int prio)
{
	if (!set_param_pi(index, nval, prio))
	{
		return false;
	}
	const float stored = _dsp_ptr->get_param_ref(int(index))->get_nval();
	if (_midi_mgr != nullptr)
	{
		_midi_mgr->param_to_midi_out(0, int(index), stored);
	}
	call_host(audioMasterAutomate, VstInt32(index), 0, nullptr, stored);
	updateDisplay();
	return true;
}

void Vst2Plugin::set_program_pi_and_host(const ProgramSlot &slot, int prio, bool release, bool notify_host)
{
	std::vector<std::pair<int, float>> automation;
	{
		const std::lock_guard<std::recursive_mutex> lock(_bank_mutex);
		apply_program(slot, prio, release, notify_host ? &automation : nullptr);
	}
	// The host hears of it once the lock is free: a host taking its own lock
	// in these calls while another of its threads asks for a chunk must not
	// find ours held.
	for (const auto &a : automation)
	{
		call_host(audioMasterAutomate, a.first, 0, nullptr, a.second);
	}
	updateDisplay();
}

void Vst2Plugin::sync_cur_slot()
{
	ProgramSlot &slot = use_cur_slot();
	const int nbr_param = std::min(slot.get_nbr_param(), _dsp_ptr->get_nbr_param());
	for (int i = 0; i < nbr_param; ++i)
	{
		slot.set_parameter(i, _dsp_ptr->get_param_ref(i)->get_nval());
	}
}

void Vst2Plugin::apply_program(const ProgramSlot &slot, int prio, bool release,
                               std::vector<std::pair<int, float>> *automation_ptr)
{
	const double now = sys::get_time_stamp();
	const int nbr_param = std::min(slot.get_nbr_param(), _dsp_ptr->get_nbr_param());
	// A parameter held by a stronger owner keeps its value: a morph's step
	// must not undo the program the host chose while the morph runs.
	ProgramSlot &cur = use_cur_slot();
	cur = slot;
	_acquired.assign(size_t(nbr_param), 0);
	for (int i = 0; i < nbr_param; ++i)
	{
		_acquired[size_t(i)] = _prio_list.get(i, now, prio) ? 1 : 0;
		if (_acquired[size_t(i)] == 0)
		{
			cur.set_parameter(i, _dsp_ptr->get_param_ref(i)->get_nval());
		}
	}
	_dsp_ptr->set_program_name(cur.get_name());
	_dsp_ptr->do_set_program(cur);
	for (int i = 0; i < nbr_param; ++i)
	{
		if (_acquired[size_t(i)] != 0)
		{
			const float nval = cur.get_parameter(i);
			if (_gui_ptr)
			{
				_gui_ptr->set_param(i, nval, prio);
			}
			if (_midi_mgr != nullptr)
			{
				_midi_mgr->param_to_midi_out(0, i, nval);
			}
			if (automation_ptr != nullptr)
			{
				automation_ptr->emplace_back(i, nval);
			}
			if (release)
			{
				_prio_list.release(i, prio);
			}
		}
	}
}

void Vst2Plugin::setParameter(VstInt32 index, float value)
{
	if (is_param_index(index))
	{
		set_param_pi(index, value, PRIO_HOST);
	}
}

float Vst2Plugin::getParameter(VstInt32 index)
{
	return is_param_index(index) ? _dsp_ptr->get_param_ref(index)->get_nval() : 0.0f;
}

void Vst2Plugin::process_post()
{
	// The input's and output's time stamps go back to the block's start.
	if (_midi_mgr != nullptr)
	{
		_midi_mgr->process_post();
	}
}

void Vst2Plugin::process_pre()
{
	if (_midi_mgr != nullptr)
	{
		_midi_mgr->process_pre();
	}
	HostDspInterface *host_ptr = _dsp_ptr->get_host();
	if (host_ptr == nullptr)
	{
		return;
	}
	TimeInfo info;
	info._tempo_flag = true;
	host_ptr->get_time_info(info);
	if (!info._unavailable && info._tempo_flag)
	{
		const float tempo = float(info._tempo);
		if (tempo != _last_tempo)
		{
			_last_tempo = tempo;
			_dsp_ptr->set_tempo(tempo);
			if (_gui_ptr)
			{
				request_tempo_gui_refresh_from_process(tempo);
			}
		}
	}
}

void Vst2Plugin::process(float **inputs, float **outputs, VstInt32 nbr_spl)
{
	try
	{
		process_pre();
		_dsp_ptr->do_process_mix(outputs, const_cast<const float **>(inputs), nbr_spl, false);
		process_post();
	}
	catch (...)
	{
		// The host's audio thread must never see an exception.
	}
}

void Vst2Plugin::processReplacing(float **inputs, float **outputs, VstInt32 nbr_spl)
{
	try
	{
		process_pre();
		_dsp_ptr->do_process_replacing(outputs, const_cast<const float **>(inputs), nbr_spl, false);
		process_post();
	}
	catch (...)
	{
		clear_outputs(outputs, nbr_spl);  // silence rather than what the host left there
	}
}

void Vst2Plugin::setProgram(VstInt32 program)
{
	if (program < 0 || program >= _nbr_programs)
	{
		return;
	}
	{
		// A host changing programs from its audio thread may wait here for a
		// chunk being written on another thread (tens of microseconds).
		const std::lock_guard<std::recursive_mutex> lock(_bank_mutex);
		const VstInt32 old_program = getProgram();
		try
		{
			// What was edited in the program being left stays with it.
			sync_cur_slot();
			select_program(program);
		}
		catch (...)
		{
			AudioEffectX::setProgram(old_program);
		}
	}
	updateDisplay();
}

// Callers hold _bank_mutex. Allocates nothing: slots keep room for a whole
// name, so a host may change programs from its audio thread.
void Vst2Plugin::select_program(VstInt32 program)
{
	AudioEffectX::setProgram(program);
	apply_program(_bank[program], PRIO_PROGRAM, true, nullptr);
}

void Vst2Plugin::setProgramName(char *name)
{
	if (name != nullptr)
	{
		// A host buffer is at most 24 bytes; never read past that.
		char bounded[PROG_NAME_LEN + 1];
		basic::strncpy_0(bounded, name, sizeof(bounded));
		const std::lock_guard<std::recursive_mutex> lock(_bank_mutex);
		use_cur_slot().set_name(bounded);
		_dsp_ptr->set_program_name(bounded);
	}
}

void Vst2Plugin::getProgramName(char *name)
{
	if (name != nullptr)
	{
		const std::lock_guard<std::recursive_mutex> lock(_bank_mutex);
		basic::strncpy_0(name, use_cur_slot().get_name().c_str(), PROG_NAME_LEN);
	}
}

void Vst2Plugin::getParameterLabel(VstInt32 index, char *label)
{
	if (is_param_index(index) && label != nullptr)
	{
		_dsp_ptr->get_param_ref(index)->get_unit(label, PARAM_TXT_LEN);
	}
}

void Vst2Plugin::getParameterDisplay(VstInt32 index, char *text)
{
	if (is_param_index(index) && text != nullptr)
	{
		const auto &p = _dsp_ptr->get_param_ref(index);
		p->do_print_val(text, PARAM_TXT_LEN, p->get_val());
	}
}

void Vst2Plugin::getParameterName(VstInt32 index, char *text)
{
	if (is_param_index(index) && text != nullptr)
	{
		_dsp_ptr->get_param_ref(index)->get_name(text, PARAM_TXT_LEN);
	}
}

VstInt32 Vst2Plugin::getChunk(void **data, bool is_preset)
{
	const std::lock_guard<std::recursive_mutex> lock(_bank_mutex);
	sync_cur_slot();
	const long size = is_preset ? use_cur_slot().get_object_size() : _bank.get_object_size();
	if (size <= 0)
	{
		return 0;
	}
	// One buffer per kind: a host asking for a program and a bank from two
	// threads keeps each answer until its next call of that kind.
	std::vector<unsigned char> &buf = is_preset ? _prog_chunk_buf : _bank_chunk_buf;
	buf.assign(size_t(size), 0);
	int ret = 0;
	if (is_preset)
	{
		ret = use_cur_slot().write_to_memory(buf.data(), size);
	}
	else
	{
		// The bank carries which program is playing, so that a host restoring
		// its session gets the sound back, not only the stored programs.
		BankManager marked(_bank);
		const int cur = getProgram();
		for (int i = 0; i < marked.get_nbr_prog(); ++i)
		{
			const long flags = marked[i].get_flags();
			marked[i].set_flags(i == cur ? (flags | CUR_PROG_FLAG) : (flags & ~CUR_PROG_FLAG));
		}
		ret = marked.write_to_memory(buf.data(), size);
	}
	if (ret != 0)
	{
		return 0;
	}
	*data = buf.data();
	return VstInt32(size);
}

bool Vst2Plugin::fits_layout(const ProgramSlot &slot) const
{
	const ProgramSlot &ref = _bank[0];
	return slot.get_nbr_param() == ref.get_nbr_param() && slot.get_extra_byte_size() == ref.get_extra_byte_size();
}

// A damaged chunk may carry values outside 0..1: they are clamped, as a host
// write would be. NaN has no meaning at all: the chunk is refused.
bool Vst2Plugin::sanitize_values(ProgramSlot &slot)
{
	for (int i = 0; i < slot.get_nbr_param(); ++i)
	{
		float v = slot.get_parameter(i);
		if (!NormalizedParamInterface::sanitize_normalized(v))
		{
			return false;
		}
		slot.set_parameter(i, v);
	}
	return true;
}

VstInt32 Vst2Plugin::setChunk(void *data, VstInt32 size, bool is_preset)
{
	const VstInt32 taken = set_chunk_locked(static_cast<const unsigned char *>(data), size, is_preset);
	if (taken != 0)
	{
		updateDisplay();
	}
	return taken;
}

VstInt32 Vst2Plugin::set_chunk_locked(const unsigned char *data_ptr, VstInt32 size, bool is_preset)
{
	const std::lock_guard<std::recursive_mutex> lock(_bank_mutex);
	// Everything is read and checked aside; the stored state changes only
	// once the whole chunk proved to fit, so a refused chunk changes nothing.
	if (is_preset)
	{
		ProgramSlot &slot = use_cur_slot();
		if (size != slot.get_object_size())
		{
			return 0;
		}
		ProgramSlot tmp(slot);
		if (tmp.read_from_memory(data_ptr, size) != 0 || !fits_layout(tmp) || !sanitize_values(tmp))
		{
			return 0;
		}
		const ProgramSlot old(slot);
		slot = tmp;
		try
		{
			// As for a bank: a host that restores a program expects to hear it.
			select_program(getProgram());
		}
		catch (...)
		{
			slot = old;
			throw;
		}
		return 1;
	}
	if (size != _bank.get_object_size())
	{
		return 0;
	}
	BankManager tmp(_bank);
	if (tmp.read_from_memory(data_ptr, size) != 0 || tmp.get_nbr_prog() != _bank.get_nbr_prog())
	{
		return 0;
	}
	int cur_prog = getProgram();
	for (int i = 0; i < tmp.get_nbr_prog(); ++i)
	{
		// Another plug-in's bank of the same size, or slots laid out otherwise.
		if (!fits_layout(tmp[i]) || !sanitize_values(tmp[i]))
		{
			return 0;
		}
		const long flags = tmp[i].get_flags();
		if ((flags & CUR_PROG_FLAG) != 0)
		{
			cur_prog = i;
			tmp[i].set_flags(flags & ~CUR_PROG_FLAG);
		}
	}
	BankManager old(_bank);
	const VstInt32 old_prog = getProgram();
	_bank = tmp;
	try
	{
		// The engine takes the marked (else the current) program over at once.
		select_program(cur_prog);
	}
	catch (...)
	{
		_bank = old;
		AudioEffectX::setProgram(old_prog);
		throw;
	}
	return 1;
}

void Vst2Plugin::setSampleRate(float rate)
{
	if (!(rate > 0) || !std::isfinite(rate))
	{
		return;  // no rate at all: keep running at the one we have
	}
	AudioEffectX::setSampleRate(rate);
	_dsp_ptr->set_sample_freq(rate);
	_dsp_ptr->clear_buffers();
}

void Vst2Plugin::suspend()
{
	_dsp_ptr->clear_buffers();
}

void Vst2Plugin::resume()
{
	find_automatable_parameters();
	_dsp_ptr->clear_buffers();
	if (_midi_receiver_ptr != nullptr)
	{
		wantEvents(1);
	}
}

VstInt32 Vst2Plugin::processEvents(VstEvents *events)
{
	// Without a MIDI path, or with the host's input not selected, events are
	// taken and ignored.
	if (_midi_mgr == nullptr || events == nullptr || !_vst_midi_comp->use_vst_in().is_active())
	{
		return 1;
	}
	// The list runs past the two entries its header declares.
	VstEvent *const *list =
	   reinterpret_cast<VstEvent *const *>(reinterpret_cast<const unsigned char *>(events) + offsetof(VstEvents, events));
	for (VstInt32 i = 0; i < events->numEvents; ++i)
	{
		const VstEvent *e = list[i];
		if (e != nullptr && e->type == kVstMidiType)
		{
			_vst_midi_comp->use_vst_in().process_midi_event(*reinterpret_cast<const VstMidiEvent *>(e));
		}
	}
	return 1;
}

void Vst2Plugin::find_automatable_parameters()
{
	const VstInt32 host_nbr = getNumAutomatableParameters();
	if (host_nbr <= 0)
	{
		return;
	}
	std::map<int, int> count_per_level;
	for (int i = 0; i < _dsp_ptr->get_nbr_param(); ++i)
	{
		++count_per_level[_dsp_ptr->get_param_ref(i)->get_automation_level()];
	}
	int total = 0;
	for (const auto &level : count_per_level)
	{
		total += level.second;
		if (total > host_nbr)
		{
			break;
		}
		_max_automation_level = level.first;
	}
}

bool Vst2Plugin::canParameterBeAutomated(VstInt32 index)
{
	return !is_param_index(index) || _dsp_ptr->get_param_ref(index)->get_automation_level() <= _max_automation_level;
}

bool Vst2Plugin::string2parameter(VstInt32 index, char *text)
{
	if (text == nullptr)
	{
		return true;
	}
	if (!is_param_index(index))
	{
		return false;
	}
	const auto &p = _dsp_ptr->get_param_ref(index);
	bool ok = false;
	const double val = p->do_scan_val(text, ok);
	if (!ok)
	{
		return false;
	}
	setParameter(index, p->normalize_val(val));
	return true;
}

bool Vst2Plugin::getProgramNameIndexed(VstInt32 /*category*/, VstInt32 index, char *text)
{
	if (index < 0 || index >= _nbr_programs)
	{
		return false;
	}
	const std::lock_guard<std::recursive_mutex> lock(_bank_mutex);
	basic::strncpy_0(text, _bank[index].get_name().c_str(), PROG_NAME_INDEXED_LEN);
	return true;
}

bool Vst2Plugin::copyProgram(VstInt32 destination)
{
	if (destination < 0 || destination >= _nbr_programs)
	{
		return false;
	}
	const std::lock_guard<std::recursive_mutex> lock(_bank_mutex);
	sync_cur_slot();
	_bank[destination] = use_cur_slot();
	return true;
}

bool Vst2Plugin::fill_pin_properties(const std::vector<StereoIndex> &index_arr, int nbr_pin,
                                     const PinProperty &(DspInterface::*get_pin)(int) const, const DspInterface &dsp,
                                     VstInt32 index, VstPinProperties *properties)
{
	for (int pin = 0; pin < nbr_pin; ++pin)
	{
		const PinProperty &prop = (dsp.*get_pin)(pin);
		for (int c = 0; c < 2; ++c)
		{
			if (index_arr[size_t(pin)]._chn[c] == index)
			{
				properties->flags = kVstPinIsActive | (prop.get_nbr_chn() == 2 ? kVstPinIsStereo : 0);
				basic::strncpy_0(properties->label, prop.get_chn_name(c).c_str(), PIN_LABEL_LEN);
				return true;
			}
		}
	}
	return false;
}

bool Vst2Plugin::getInputProperties(VstInt32 index, VstPinProperties *properties)
{
	return fill_pin_properties(_in_index_arr, _dsp_ptr->get_nbr_in_pin(), &DspInterface::get_input_pin_prop,
	                           *_dsp_ptr, index, properties);
}

bool Vst2Plugin::getOutputProperties(VstInt32 index, VstPinProperties *properties)
{
	return fill_pin_properties(_out_index_arr, _dsp_ptr->get_nbr_out_pin(), &DspInterface::get_output_pin_prop,
	                           *_dsp_ptr, index, properties);
}

VstPlugCategory Vst2Plugin::getPlugCategory()
{
	const std::string cat = _dsp_ptr->get_string_property("plugin_category");
	if (cat.empty() || basic::strcmp_ci(cat.c_str(), "effect") || basic::strcmp_ci(cat.c_str(), "hybrid"))
	{
		return kPlugCategEffect;
	}
	if (basic::strcmp_ci(cat.c_str(), "instrument"))
	{
		return kPlugCategSynth;
	}
	if (basic::strcmp_ci(cat.c_str(), "analyser"))
	{
		return kPlugCategAnalysis;
	}
	return kPlugCategUnknown;
}

bool Vst2Plugin::getEffectName(char *name)
{
	basic::strncpy_0(name, _dsp_ptr->get_string_property("plugin_name").c_str(), EFFECT_NAME_LEN);
	return true;
}

bool Vst2Plugin::getVendorString(char *text)
{
	basic::strncpy_0(text, "Kestrom", PRODUCT_LEN);
	return true;
}

bool Vst2Plugin::getProductString(char *text)
{
	char buf[256];
	std::snprintf(buf, sizeof(buf), "Kestrom %s %.2lf", _dsp_ptr->get_string_property("plugin_name").c_str(),
	              _dsp_ptr->get_property("plugin_version"));
	basic::strncpy_0(text, buf, PRODUCT_LEN);
	return true;
}

VstInt32 Vst2Plugin::getVendorVersion()
{
	const double v = _dsp_ptr->get_property("plugin_version");
	const double major = std::floor(v);
	const double tenths = std::floor((v - major) * 10);
	const double hundredths = std::floor(((v - major) * 10 - tenths) * 10);
	return VstInt32(major * 256 + tenths * 16 + hundredths);
}

VstInt32 Vst2Plugin::canDo(char *text)
{
	static const char *const midi_caps[] = {"sendVstMidiEvent", "sendVstEvents", "receiveVstMidiEvent",
	                                        "receiveVstEvents"};
	for (const char *cap : midi_caps)
	{
		if (std::strcmp(text, cap) == 0)
		{
			return (_midi_mgr != nullptr) ? 1 : -1;
		}
	}
	return std::strcmp(text, "receiveVstTimeInfo") == 0 ? 1 : 0;
}

bool Vst2Plugin::getParameterProperties(VstInt32 index, VstParameterProperties *properties)
{
	if (!is_param_index(index))
	{
		return false;
	}
	const auto &p = _dsp_ptr->get_param_ref(index);
	properties->stepFloat = properties->smallStepFloat = properties->largeStepFloat = 0;
	properties->flags = 0;
	properties->minInteger = properties->maxInteger = properties->stepInteger = properties->largeStepInteger = 0;
	std::memset(properties->future, 0, sizeof(properties->future));
	p->get_name(properties->label, kVstMaxLabelLen);
	basic::strncpy_0(properties->shortLabel, properties->label, kVstMaxShortLabelLen);
	if (p->get_range_type() == NormalizedParamInterface::RangeType_INTEGER)
	{
		int lo = int(std::floor(p->denormalize_val(0) + 0.5));
		int hi = int(std::floor(p->denormalize_val(1) + 0.5));
		if (lo > hi)
		{
			std::swap(lo, hi);
		}
		if (hi - lo == 1)
		{
			properties->flags = kVstParameterIsSwitch;
		}
		else
		{
			properties->minInteger = lo;
			properties->maxInteger = hi;
			properties->flags = kVstParameterUsesIntegerMinMax;
		}
	}
	else
	{
		properties->flags = kVstParameterCanRamp;
	}
	return true;
}

}  // namespace rivo
