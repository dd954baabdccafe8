// One phaser voice: a feedback frequency shifter. The input plus the voice's
// own feedback is split into a 90-degree pair, multiplied by a quadrature
// oscillator, band-filtered, saturated and panned onto the output bus.
#pragma once

#include "dsp/Filter2p.h"
#include "dsp/InterpFncFiniteAsym.h"
#include "dsp/OscSinCosEuler.h"
#include "dsp/Phase90Iir.h"
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
#include "engine/VoiceLanes.h"
#include "params/FullLfoParam.h"
#include "params/NotificationFlag.h"
#include "sys/Array.h"

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

	void init(int index, rivo::PluginInternal &registry);
	void set_default_state();
	void set_sample_freq(float fs);
	void clear_buffers();
	void tick(long nbr_spl);

	// A frame is a fixed stretch of time over which every value ramps from
	// where it was to where the last control step put it. The voices that
	// sound in a frame run side by side in the lanes, one slot each; the
	// host's blocks may cut the frame into pieces, and every ramp goes by the
	// sample's place in the frame, so the sound does not depend on the cuts.
	// begin_frame anchors the oscillator, sets up the ramps and tells whether
	// the voice sounds at all in this frame. If it does, load_lanes puts it
	// in its slot (the lanes' unit count set first), set_band_lanes gives
	// each band sub-block its filter setting, and store_lanes takes the
	// voice's state back at the frame's end.
	bool begin_frame(long frame_len);
	int get_nbr_units() const noexcept;
	bool has_fdbk() const noexcept
	{
		return _lvl_use != 0 || _lvl_target != 0;
	}
	bool has_band() const noexcept
	{
		return _band_on;
	}
	void load_lanes(VoiceLanes::Data &d, int slot) const;
	void set_band_lanes(VoiceLanes::Data &d, int slot, long sub);
	void store_lanes(const VoiceLanes::Data &d, int slot);
	// The saturators' tables, which all voices share.
	static void load_saturators(VoiceLanes::Data &d);
	static constexpr long BAND_SUB_BLOCK = 64;  // band coefficients move at most every 64 samples

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
	// Whether every value the network carries from sample to sample is finite.
	bool is_state_finite() const noexcept;
	const dsp::OscSinCosEuler &use_osc() const noexcept
	{
		return _osc;
	}

private:
	// A network's coefficients and state in the lanes' form (see VoiceLanes),
	// chain by chain; r[0] holds R for the next sample, r[1] for the one after.
	struct NetLanes
	{
		int nbr_units = 0;
		float coef[2][VoiceLanes::MAX_UNITS] = {};
		float h[2][VoiceLanes::MAX_UNITS] = {};
		float prod[2] = {};
		float g_last[2] = {};
		float r[2][2][VoiceLanes::MAX_UNITS] = {};
		float u_last[2] = {};   // each chain's input one sample back
		float u_last2[2] = {};  // and two
	};
	template <int N>
	static NetLanes make_net_lanes(const dsp::Phase90Iir<N> &net);
	// Colour phasor at the frame's first sample and its per-sample rotation (1, 0 when constant).
	void get_colour_ramp(float &col_c, float &col_s, float &rot_c, float &rot_s, long nbr_spl) const;
	void end_frame();
	void set_colour_phasor(float colour);
	void write_band_lanes(VoiceLanes::Data &d, int slot) const;
	void update_osc_phase(long nbr_spl);
	void update_bpf();
	void update_pan_matrix();

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
	long _frame_len = 1;
	// The colour phasor at the frame's start, and its rotation per sample.
	float _col_run_c = 1;
	float _col_run_s = 0;
	float _col_rot_c = 1;
	float _col_rot_s = 0;
	bool _col_glide = false;
	float _gain_g0 = 0;  // gain before the saturator across the frame
	float _gain_g1 = 0;
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
	// The frame's band sweep, set up by begin_frame: Q at the end of each
	// sub-block, on a geometric progression from the old Q to the new.
	float _band_q_sub[VoiceLanes::MAX_LEN / BAND_SUB_BLOCK] = {};
	float _fdbk_state = 0;
	float _col_phasor_of = 0;  // the colour _col_cos and _col_sin are for
	float _col_cos = 1;
	float _col_sin = 0;
	dsp::OscSinCosEuler _osc;
	basic::Array<NetLanes, NBR_NETWORKS> _net_lanes;
	// Computes the band's coefficients; the lanes run it.
	dsp::Filter2p _band;
	float _band_mem[4][2] = {};  // x1, x2, y1, y2 of both channels
	bool _band_on = false;
	dsp::StereoLevel _pan_mat;
	dsp::StereoLevel _pan_mat_old;
};
