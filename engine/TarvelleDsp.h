// The audio engine: tone pre-filter, four phaser voices, DC blockers and clip
// detector, driven frame by frame; also the registry of the plug-in's parameters.
#pragma once

#include "dsp/ClipDetector.h"
#include "dsp/Shelf.h"
#include "engine/ParamMasterVol.h"
#include "engine/ParamTempo.h"
#include "engine/PhasedVoice.h"
#include "engine/PreFilter.h"
#include "engine/VoiceLanes.h"
#include "params/DspInterface.h"
#include "params/NotificationFlag.h"
#include "params/NotifierInterface.h"
#include "params/PinProperty.h"
#include "midi/MidiReceiverInterface.h"
#include "params/PluginInternal.h"
#include "sys/Array.h"

#include <atomic>
#include <string>

class TarvelleDsp : public rivo::DspInterface, public rivo::NotifierInterface, public rivo::PluginInternal
{
public:
	static constexpr const char *PLUGIN_NAME = "Tarvelle";

	using ParamPtr = rivo::DspInterface::ParamPtr;

	static constexpr int NBR_PARAM = 123;
	static constexpr int NBR_VOICES = 4;
	static constexpr int FRAME_LEN = VoiceLanes::MAX_LEN;
	static constexpr int MIN_SAMPLE_FREQ = 44000;  // the lowest rate reported to hosts
	static constexpr int MAX_SAMPLE_FREQ = 384000;
	// The engine runs correctly from this rate up, whatever it reports: a host
	// running at 22.05 or 32 kHz must hear the same shifts, periods and bands.
	static constexpr float MIN_RUN_SAMPLE_FREQ = 8000;
	// The rate until the host gives one, so that output is always written.
	static constexpr float DEFAULT_SAMPLE_FREQ = 44100;
	static constexpr int LFO_PHASE_MSG = NBR_PARAM;  // messages 123 + i set LFO i's phase
	static constexpr long EXTRA_BYTES = 4 * NBR_VOICES;

	TarvelleDsp();
	~TarvelleDsp() override = default;

	// rivo::DspInterface
	int init() override;
	void set_default_state() override;
	void restore() override;
	rivo::HostDspInterface *get_host() const override
	{
		return _host_ptr;
	}
	void set_host(rivo::HostDspInterface &host) override
	{
		_host_ptr = &host;
	}
	rivo::GuiInterface *get_gui() const override
	{
		return _gui_ptr;
	}
	void set_gui(rivo::GuiInterface &gui) override
	{
		_gui_ptr = &gui;
	}
	int get_nbr_in_pin() const override
	{
		return 1;
	}
	const rivo::PinProperty &get_input_pin_prop(int) const override
	{
		return _in_pin;
	}
	int get_nbr_out_pin() const override
	{
		return 1;
	}
	const rivo::PinProperty &get_output_pin_prop(int) const override
	{
		return _out_pin;
	}
	int get_min_sample_freq() const override
	{
		return MIN_SAMPLE_FREQ;
	}
	int get_max_sample_freq() const override
	{
		return MAX_SAMPLE_FREQ;
	}
	// A rate outside MIN_RUN_SAMPLE_FREQ..MAX_SAMPLE_FREQ is clamped into it;
	// a rate that is not a positive number is ignored.
	void set_sample_freq(float fs) override;
	void set_sample_scale(float) override {}
	int get_nbr_param() const override
	{
		return NBR_PARAM;
	}
	const rivo::DspInterface::ParamPtr &get_param_ref(int index) const override
	{
		return use_registered_param(index);
	}
	void set_program_name(const std::string &name) override
	{
		_prog_name = name;
	}
	std::string get_program_name() const override
	{
		return _prog_name;
	}
	void send_scalar_msg(int msg, float val) override;
	double get_property(const char *key_0) const override;
	std::string get_string_property(const char *key_0) const override;
	void clear_buffers() override;
	// Folded into 60..240 by octaves; a tempo that is not finite and positive is ignored.
	void set_tempo(float bpm) override;
	void do_set_program(const rivo::ProgramSlot &slot) override;
	void do_get_program(rivo::ProgramSlot &slot) override;
	bool do_process_replacing(float **out, const float **in, long nbr_spl, bool flag) override;
	bool do_process_mix(float **out, const float **in, long nbr_spl, bool flag) override;

	// Where a MIDI path delivers what is not a controller: taken and ignored.
	rivo::MidiReceiverInterface &use_midi_client() noexcept
	{
		return _midi_client;
	}
	dsp::ClipDetector &use_clip_detector() noexcept
	{
		return _clip_detector;
	}
	const dsp::ClipDetector &use_clip_detector() const noexcept
	{
		return _clip_detector;
	}
	// The control step of a frame of nbr_spl samples (each frame starts with it; tests call it without audio).
	void tick(long nbr_spl);
	// The deferred clear, done now.
	void sync_clear_buffers();

	const PhasedVoice &use_voice(int index) const
	{
		return _voice_arr[size_t(index)];
	}
	// For tests: an older instruction set's path on a newer processor.
	void force_isa(dsp::SimdChoice::Isa isa) noexcept
	{
		_lanes.force_isa(isa);
		_pre_filter.force_isa(isa);
	}
	const PreFilter &use_pre_filter() const noexcept
	{
		return _pre_filter;
	}
	float get_sample_freq() const noexcept
	{
		return _sample_freq;
	}

private:
	using FrameBuf = basic::Array<float, FRAME_LEN>;

	void update_param();
	void process_block(float **out, const float **in, long nbr_spl);
	// Frames lie on a fixed grid of FRAME_LEN samples, whatever the host's
	// blocks: the control step runs at each frame's start, and a block that
	// ends inside a frame leaves the rest of it to the next one.
	void start_frame();
	// A piece of nbr_spl samples of the current frame, from _frame_pos on.
	void process_frame(float **out, const float **in, long nbr_spl);
	void process_frame_dest_mono(float *out_ptr, const float *const in_ptr_arr[2], long nbr_spl);
	void process_frame_dest_stereo(float **out, const float *const in_ptr_arr[2], long nbr_spl);
	void process_frame_voice_mix(float *left_ptr, float *right_ptr, const float *tone_ptr, long nbr_spl);
	void do_clear();
	void update_host_tempo_capability();
	// Copies an input channel, replacing NaN and infinities with silence.
	static void copy_sanitized(float *dst_ptr, const float *src_ptr, long nbr_spl) noexcept;

	rivo::HostDspInterface *_host_ptr = nullptr;
	rivo::GuiInterface *_gui_ptr = nullptr;
	ParamTempo *_tempo_ptr = nullptr;
	ParamMasterVol *_master_vol_ptr = nullptr;
	rivo::NotificationFlag _tempo_flag;
	rivo::NotificationFlag _master_vol_flag;
	float _sample_freq = 0;
	std::atomic<bool> _clear_request{false};
	bool _accumulate = false;
	bool _stereo_in = true;
	bool _stereo_out = true;
	float _master_vol = 1;
	std::string _prog_name;
	rivo::PinProperty _in_pin{2};
	rivo::PinProperty _out_pin{2};
	PreFilter _pre_filter;
	basic::Array<PhasedVoice, NBR_VOICES> _voice_arr;
	dsp::ClipDetector _clip_detector;
	rivo::MidiReceiverInterface _midi_client;
	basic::Array<dsp::Shelf, 2> _dc_blocker_arr;
	FrameBuf _tone_buf;
	basic::Array<FrameBuf, 2> _bus_buf;
	basic::Array<FrameBuf, 2> _in_buf;
	VoiceLanes _lanes;
	long _band_sub_set = -1;  // the band sub-block whose setting the lanes hold
	long _frame_pos = 0;  // samples of the current frame already processed
	// The voices sounding in the current frame, chosen at its start.
	PhasedVoice *_active_arr[NBR_VOICES] = {};
	int _nbr_active = 0;
};
