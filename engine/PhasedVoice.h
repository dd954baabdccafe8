// One phaser voice: a feedback frequency shifter. The input plus the voice's
// own feedback is split into a 90-degree pair, multiplied by a quadrature
// oscillator, band-filtered, saturated and panned onto the output bus.
#pragma once

#include "dsp/Filter2p.h"
#include "dsp/InterpFncFiniteAsym.h"
#include "dsp/OscSinCosEuler.h"
#include "dsp/Phase90IirOptNorm.h"
#include "dsp/Phase90IirX4.h"
#include "dsp/StereoLevel.h"
#include "engine/ParamVoiceDepth.h"
#include "engine/ParamVoiceFdbkCol.h"
#include "engine/ParamVoiceFdbkLvl.h"
#include "engine/ParamVoiceFiltBw.h"
#include "engine/ParamVoiceFiltFreq.h"
#include "engine/ParamVoiceGain.h"
#include "engine/ParamVoiceManPh.h"
#include "engine/ParamVoiceOscHold.h"
#include "engine/ParamVoiceOscRate.h"
#include "engine/ParamVoicePan.h"
#include "engine/SharedTempBuf.h"
#include "params/FullLfoParam.h"
#include "params/NotificationFlag.h"
#include "sys/Array.h"
#include "sys/SharedPtr.h"

#include <atomic>

class PhasedVoice
{
public:
	static constexpr int NBR_PARAM = 28;
	static constexpr int NBR_NETWORKS = 3;
	static constexpr float SILENT_GAIN = 1e-9f;

	struct FdbkClipper
	{
		double operator()(double x) const noexcept;  // tanh
	};
	// About unity for small signals, saturating at +1 for positive ones and
	// growing slowly without a hard limit for negative ones.
	struct OutputClipper
	{
		double operator()(double x) const noexcept;
	};
	struct PanModifier
	{
		double operator()(double v, double m) const noexcept;
	};
	struct OscRateModifier
	{
		double operator()(double v, double m) const noexcept;
	};
	struct ManPhaseModifier
	{
		double operator()(double v, double m) const noexcept;
	};
	struct FdbkLvlModifier
	{
		double operator()(double v, double m) const noexcept;
	};
	struct FdbkColModifier
	{
		double operator()(double v, double m) const noexcept;
	};
	struct FiltFreqModifier
	{
		double operator()(double v, double m) const noexcept;
	};

	virtual ~PhasedVoice() = default;

	void init(int index, rivo::PluginInternal &registry, SharedTempBuf &scratch);
	void set_default_state();
	void set_sample_freq(float fs);
	void clear_buffers();
	void tick(long nbr_spl);
	// Adds the voice onto left and right (which may be one buffer) for a
	// whole frame of nbr_spl <= 256 samples: begin_frame, then run_samples
	// and end_piece over the frame when it sounds.
	void process_block_mix(float *left_ptr, float *right_ptr, const float *in_ptr, long nbr_spl);

	// A frame is a fixed stretch of time over which every value ramps from
	// where it was to where the last control step put it. The host's blocks
	// may cut a frame into pieces: each piece takes its part of the ramps, so
	// the sound does not depend on how the host cuts the audio.
	// begin_frame anchors the oscillator, sets up the ramps and tells whether
	// the voice sounds at all in this frame; then run_samples and end_piece
	// for each piece in order, pos being the piece's start within the frame.
	bool begin_frame(long frame_len);
	void run_samples(const float *in_ptr, long nbr_spl);
	void end_piece(float *left_ptr, float *right_ptr, long pos, long nbr_spl);
	// run_samples of up to four sounding voices at once, one per register lane;
	// each voice gets exactly what its own run_samples would give it.
	static void run_samples_side_by_side(PhasedVoice *const voice_arr[], int nbr_voices, const float *in_ptr,
	                                     long nbr_spl, dsp::Phase90IirX4 &bank);
	void set_master_vol(float vol);
	void report_tempo_change();
	float get_osc_phase() const noexcept
	{
		return _stored_phase.load(std::memory_order_relaxed);
	}
	void set_osc_phase(float phase);
	void restore() {}

	// Gain compensation of the band filter.
	static double gain_modifier(double g, double f, double q) noexcept;

	// For tests.
	int get_network_index() const noexcept
	{
		return _net_index;
	}
	double get_phase() const noexcept
	{
		return _phase;
	}
	float get_fdbk_state() const noexcept
	{
		return _fdbk_state;
	}
	const dsp::Phase90IirInterface &use_network(int index) const
	{
		return *_net_arr[size_t(index)];
	}
	const dsp::OscSinCosEuler &use_osc() const noexcept
	{
		return _osc;
	}

private:
	template <bool FDBK>
	void process_with_network(const float *in_ptr, long nbr_spl);
	// Applies fnc to the current network as its concrete type.
	template <class F>
	void with_current_network(F fnc);
	// Colour phasor at the frame's first sample and its per-sample rotation (1, 0 when constant).
	void get_colour_ramp(float &col_c, float &col_s, float &rot_c, float &rot_s, long nbr_spl) const;
	void end_frame();
	template <class NET, bool FDBK>
	void process_samples(NET &net, const float *in_ptr, long nbr_spl);
	void update_osc_phase(long nbr_spl);
	void update_bpf();
	void update_pan_matrix();
	void process_dist(long pos, long nbr_spl);
	void process_dist_bpf_c(long pos, long nbr_spl);
	void process_dist_bpf_v(long pos, long nbr_spl);
	// Both band filters over their scratch channels, side by side.
	void filter_band(long start, long nbr_spl);
	// Saturates nbr_spl samples of both scratch channels from start, the gain
	// ramping from g0 to g1 across the frame; first is the first sample's
	// place in the frame.
	void clip_output(long start, long nbr_spl, float g0, float g1, long first);

	rivo::TimeUnit *_time_unit_ptr = nullptr;
	ParamVoiceGain *_gain_ptr = nullptr;
	rivo::FullLfoParam<PanModifier> _pan_lfo;
	ParamVoiceDepth *_depth_ptr = nullptr;
	ParamVoiceOscHold *_hold_ptr = nullptr;
	rivo::FullLfoParam<OscRateModifier> _period_lfo;
	rivo::FullLfoParam<ManPhaseModifier> _man_lfo;
	rivo::FullLfoParam<FdbkLvlModifier> _lvl_lfo;
	rivo::FullLfoParam<FdbkColModifier> _col_lfo;
	rivo::FullLfoParam<FiltFreqModifier> _freq_lfo;
	ParamVoiceFiltBw *_q_ptr = nullptr;

	rivo::NotificationFlag _gain_flag;
	rivo::NotificationFlag _pan_flag;
	rivo::NotificationFlag _depth_flag;
	rivo::NotificationFlag _hold_flag;
	rivo::NotificationFlag _period_flag;
	rivo::NotificationFlag _man_flag;
	rivo::NotificationFlag _lvl_flag;
	rivo::NotificationFlag _col_flag;
	rivo::NotificationFlag _band_flag;
	rivo::NotificationFlag _phase_set_flag;

	int _net_index = 0;
	float _master_vol = 1;
	float _gain = 0;
	float _pan = 0;
	double _rate = 1;
	bool _hold = false;
	float _lvl_target = 0;
	float _lvl_use = 0;   // at the frame's start
	float _lvl_run = 0;   // where the frame's ramp has got to
	float _lvl_step = 0;  // per sample
	long _frame_len = 1;
	// The colour phasor where the frame's ramp has got to, and its rotation per sample.
	float _col_run_c = 1;
	float _col_run_s = 0;
	float _col_rot_c = 1;
	float _col_rot_s = 0;
	bool _col_glide = false;
	float _colour = 0;
	float _colour_old = 0;
	int _index = -1;
	float _default_gain = 0.5f;
	float _sample_freq = 44100;
	double _phase = 0;
	double _phase_inc = 0;
	float _man_phase = 0;
	float _man_phase_old = 0;
	std::atomic<float> _stored_phase{0};  // written by program recall on another thread
	float _stored_phase_old = 0;
	bool _osc_dirty = true;
	bool _pan_dirty = true;
	bool _band_dirty = true;
	float _gain_old = 0;
	float _band_q = 0.1f;
	float _band_freq = 640;
	float _band_q_old = 0.1f;
	float _band_freq_old = 640;
	// The frame's band sweep, set up by begin_frame.
	double _band_ln_q_old = 0;
	double _band_ln_q = 0;
	double _band_g0 = 0;
	double _band_g1 = 0;
	long _band_sub_set = -1;  // the sub-block whose setting the band filters hold
	float _fdbk_state = 0;
	float _col_cos = 1;
	float _col_sin = 0;
	dsp::OscSinCosEuler _osc;
	basic::Array<basic::SharedPtr<dsp::Phase90IirInterface>, NBR_NETWORKS> _net_arr;
	dsp::Phase90IirInterface *_cur_net_ptr = nullptr;
	basic::Array<dsp::Filter2p, 2> _band_arr;
	dsp::InterpFncFiniteAsym<-4, 4, FdbkClipper> _fdbk_clipper;
	dsp::InterpFncFiniteAsym<-26, 6, OutputClipper> _out_clipper;
	bool _band_on = false;
	dsp::StereoLevel _pan_mat;
	dsp::StereoLevel _pan_mat_old;
	SharedTempBuf *_scratch_ptr = nullptr;
};
