// The tone pre-filter: scales the input, colours it with four peaking filters
// steered by "Tone X" and "Tone Y", and gives the voices' mono input and the
// coloured dry signal.
#pragma once

#include "dsp/Filter2p.h"
#include "dsp/SimdChoice.h"
#include "dsp/SlewRate.h"
#include "engine/ParamToneVol.h"
#include "engine/ParamToneX.h"
#include "engine/ParamToneY.h"
#include "params/FullLfoParam.h"
#include "params/NotificationFlag.h"
#include "sys/Array.h"

class PreFilter
{
public:
	static constexpr int NBR_FILTERS = 4;

	// v + m clamped to -1..1.
	struct ToneXModifier
	{
		double operator()(double v, double m) const noexcept;
	};
	// v + 0.5 m clamped to 0..1.
	struct ToneYModifier
	{
		double operator()(double v, double m) const noexcept;
	};

	virtual ~PreFilter() = default;

	void init(rivo::PluginInternal &registry);
	void set_default_state();
	void set_sample_freq(float fs);
	// The control step at the start of a frame of nbr_spl samples.
	void tick(long nbr_spl);
	// A piece of nbr_spl samples of the frame, starting pos samples into it;
	// the gains and the filters ramp across the whole frame, so the pieces
	// together sound as the frame processed at once.
	// Mono in.
	void process_block_1_1(float *tone_ptr, float *bus0_ptr, const float *in_ptr, long nbr_spl, long pos = 0);
	// Stereo in, mono out: the half sum.
	void process_block_2_1(float *tone_ptr, float *bus0_ptr, const float *const in_ptr_arr[2], long nbr_spl,
	                       long pos = 0);
	// Stereo in and out.
	void process_block_2_2(float *tone_ptr, float *const bus_ptr_arr[2], const float *const in_ptr_arr[2],
	                       long nbr_spl, long pos = 0);
	void set_master_vol(float vol);
	// For tests: an older instruction set's path on a newer processor.
	void force_isa(dsp::SimdChoice::Isa isa) noexcept;
	void report_tempo_change();
	void clear_buffers();
	void restore() {}

	// For tests and the editor's display.
	float get_gain_1() const noexcept
	{
		return _gain_1;
	}
	float get_gain_2() const noexcept
	{
		return _gain_2;
	}
	float get_input_gain() const noexcept
	{
		return _in_gain;
	}
	const dsp::Filter2p &use_filter(int chn, int index) const
	{
		return _filter_arr[size_t(chn)][size_t(index)];
	}

private:
	using FilterChain = basic::Array<dsp::Filter2p, NBR_FILTERS>;

	void jump_y();
	void update_x();
	void update_y();
	void update_xy_post();
	void update_filters();
	void update_gain();
	// A chain of flat filters left out: they only learn what went through.
	void pass_chain(FilterChain &chain, const float *data_ptr, long nbr_spl, long pos);
	// Both chains (or the left one alone) in one pass.
	void filter_chains(int nbr_chn, float *const data_arr[2], long nbr_spl, long pos);

	ParamToneVol *_tone_vol_ptr = nullptr;
	rivo::FullLfoParam<ToneXModifier> _x_lfo;
	rivo::FullLfoParam<ToneYModifier> _y_lfo;
	rivo::NotificationFlag _tone_vol_flag;
	rivo::NotificationFlag _x_flag;
	rivo::NotificationFlag _y_flag;
	dsp::SlewRate _y_slew;
	float _sample_freq = 44100;
	float _master_vol = 1;
	float _in_gain = 1;
	long _frame_len = 1;
	float _in_gain_old = 1;
	float _out_gain = 1;
	float _out_gain_old = 1;
	float _gain_1 = 1;
	float _gain_2 = 1;
	basic::Array<FilterChain, 2> _filter_arr;
	bool _gain_dirty = true;
	// "Tone X" at its centre makes every filter flat: with the frame's start
	// and end both flat, the filters are left out.
	bool _flat = false;
	bool _flat_old = false;
	bool _avx2 = dsp::SimdChoice::by_default() != dsp::SimdChoice::Isa::SSE2;
};
