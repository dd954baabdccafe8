// Tone pre-filter.
#include "engine/PreFilter.h"

#include "dsp/BasicMixing.h"
#include "dsp/BiquadPipe.h"
#include "engine/ParamTextFnc.h"

#include <cmath>

namespace
{
constexpr double PI = 3.14159265358979323846;
constexpr float Y_SLEW_RATE = 10;  // a full sweep of "Tone Y" takes 0.1 s
}  // namespace

double PreFilter::ToneXModifier::operator()(double v, double m) const noexcept
{
	return ParamTextFnc::clamp(v + m, -1, 1);
}

double PreFilter::ToneYModifier::operator()(double v, double m) const noexcept
{
	return ParamTextFnc::clamp(v + 0.5 * m, 0, 1);
}

void PreFilter::init(rivo::PluginInternal &registry)
{
	auto *vol_ptr = new ParamToneVol;
	vol_ptr->init(1.0, 0, "Colored Vol");
	_tone_vol_ptr = vol_ptr;
	registry.register_param(rivo::PluginInternal::ParamPtr(vol_ptr));

	auto *x_ptr = new ParamToneX;
	x_ptr->init(0.0, 0, "Tone X");
	_x_lfo.init(rivo::PluginInternal::ParamPtr(x_ptr), registry, 100);
	auto *y_ptr = new ParamToneY;
	y_ptr->init(0.5, 0, "Tone Y");
	_y_lfo.init(rivo::PluginInternal::ParamPtr(y_ptr), registry, 100);

	_x_lfo.set_inertia_time(0.05f);
	_y_lfo.set_inertia_time(0);
	_y_slew.set_rate(Y_SLEW_RATE);
	_y_slew.force_val(float(_y_lfo.get_val()));

	_tone_vol_ptr->set_notification_target(&_tone_vol_flag);
	_x_lfo.set_notification_target(&_x_flag);
	_y_lfo.set_notification_target(&_y_flag);

	for (auto &chain : _filter_arr)
	{
		for (auto &flt : chain)
		{
			flt.set_type(dsp::Filter2p::Type_RESO);
			// "Tone X" and "Tone Y" move these filters every frame.
			flt.enable_coef_ramp(true);
		}
	}
	update_x();
	update_y();
	update_xy_post();
	update_filters();
	update_gain();
}

void PreFilter::set_default_state()
{
	_tone_vol_ptr->set_from_normalized(_tone_vol_ptr->normalize_val(1.0));
	_x_lfo.set_default_state(0.0);
	_y_lfo.set_default_state(0.5);
	jump_y();
}

// The slew jumps to "Tone Y" and the centre frequencies follow at once, so that
// a state set or a clear never leaves them at an old glide step.
void PreFilter::jump_y()
{
	_y_slew.force_val(float(_y_lfo.get_val()));
	update_y();
	update_xy_post();
	update_filters();
}

void PreFilter::set_sample_freq(float fs)
{
	_sample_freq = fs;
	_x_lfo.set_sample_freq(fs);
	_y_lfo.set_sample_freq(fs);
	_y_slew.set_sample_freq(fs);
	for (auto &chain : _filter_arr)
	{
		for (auto &flt : chain)
		{
			flt.set_sample_freq(fs);
			flt.update_eq();
		}
	}
	update_filters();
}

void PreFilter::tick(long nbr_spl)
{
	_frame_len = nbr_spl;
	_x_lfo.tick(nbr_spl);
	_y_lfo.tick(nbr_spl);
	_in_gain_old = _in_gain;
	_out_gain_old = _out_gain;
	_flat_old = _flat;
	const bool x_changed = _x_flag.take();
	bool y_changed = _y_flag.take();
	if (x_changed)
	{
		update_x();
	}
	if (y_changed)
	{
		_y_slew.set_val(float(_y_lfo.get_val()));
	}
	if (_y_slew.is_gliding())
	{
		y_changed = true;
		_y_slew.tick(nbr_spl);
		update_y();
	}
	if (_tone_vol_flag.take())
	{
		_gain_dirty = true;
	}
	if (x_changed || y_changed)
	{
		update_xy_post();
		update_filters();
	}
	if (_gain_dirty)
	{
		_gain_dirty = false;
		update_gain();
	}
}

void PreFilter::update_x()
{
	const double x = _x_lfo.get_val();
	_gain_1 = float(std::exp(2 * std::tanh(2 * x)));
	_gain_2 = float(std::exp(2 * std::cos((x + 1) * 3 * PI / 2)));
	// A resonator of gain 1 has equal numerator and denominator.
	_flat = (_gain_1 == 1 && _gain_2 == 1);
	for (auto &chain : _filter_arr)
	{
		for (int i = 0; i < NBR_FILTERS; ++i)
		{
			chain[size_t(i)].set_p1((i % 2 == 0) ? _gain_1 : _gain_2);
		}
	}
	_gain_dirty = true;
}

void PreFilter::update_y()
{
	const double y = _y_slew.get_val();
	const double l_lo = std::log(60.0);
	const double l_hi = std::log(16000.0);
	for (int i = 0; i < NBR_FILTERS; ++i)
	{
		const double f = std::exp(l_lo + (l_hi - l_lo) * (0.5 + 0.5 * std::tanh(4 * y - 1 - 2.0 * i / 3)));
		for (auto &chain : _filter_arr)
		{
			chain[size_t(i)].set_freq(float(f));
		}
	}
}

void PreFilter::update_xy_post()
{
	const double y_t = _y_lfo.get_val();
	const double spread = std::pow(100.0, std::fabs(0.5 - y_t));
	for (int i = 0; i < NBR_FILTERS; ++i)
	{
		const double q = 1 + spread * ((i % 2 == 0) ? _gain_1 : _gain_2);
		for (auto &chain : _filter_arr)
		{
			chain[size_t(i)].set_p2(float(q));
		}
	}
}

void PreFilter::update_filters()
{
	for (auto &chain : _filter_arr)
	{
		for (auto &flt : chain)
		{
			flt.update_eq();
		}
	}
}

void PreFilter::update_gain()
{
	_in_gain = 3 / (_gain_1 + _gain_2 + 1);
	_out_gain = float(_tone_vol_ptr->get_val()) * _master_vol;
}

void PreFilter::pass_chain(FilterChain &chain, const float *data_ptr, long nbr_spl, long pos)
{
	if (nbr_spl <= 0)
	{
		return;
	}
	const float before = (nbr_spl >= 2) ? data_ptr[nbr_spl - 2] : chain[0].get_last_input();
	for (auto &flt : chain)
	{
		flt.assume_passed(data_ptr[nbr_spl - 1], before);
		if (pos + nbr_spl >= _frame_len)
		{
			flt.end_coef_ramp();
		}
	}
}

void PreFilter::filter_chains(int nbr_chn, float *const data_arr[2], long nbr_spl, long pos)
{
	if (_flat && _flat_old)
	{
		pass_chain(_filter_arr[0], data_arr[0], nbr_spl, pos);
		// A channel not in use takes the same history as the other.
		pass_chain(_filter_arr[1], data_arr[nbr_chn - 1], nbr_spl, pos);
		return;
	}
	dsp::Biquad *const chain_arr[2][NBR_FILTERS] = {
	   {&_filter_arr[0][0], &_filter_arr[0][1], &_filter_arr[0][2], &_filter_arr[0][3]},
	   {&_filter_arr[1][0], &_filter_arr[1][1], &_filter_arr[1][2], &_filter_arr[1][3]}};
	// The first filter of each chain keeps the recursion out of subnormal numbers.
	if (nbr_chn == 2)
	{
		dsp::BiquadPipe::process(chain_arr, data_arr, nbr_spl, pos, _frame_len, true, _avx2);
	}
	else
	{
		dsp::Biquad::process_chains<1, NBR_FILTERS, true>(chain_arr, data_arr, nbr_spl, pos, _frame_len);
		if (pos + nbr_spl >= _frame_len)
		{
			for (auto &flt : _filter_arr[1])
			{
				flt.end_coef_ramp();
			}
		}
	}
}

void PreFilter::process_block_1_1(float *tone_ptr, float *bus0_ptr, const float *in_ptr, long nbr_spl, long pos)
{
	dsp::BasicMixing::copy_1_1_vlrauto(tone_ptr, in_ptr, nbr_spl, _in_gain_old, _in_gain, pos, _frame_len);
	float *const data_arr[2] = {tone_ptr, nullptr};
	filter_chains(1, data_arr, nbr_spl, pos);
	dsp::BasicMixing::copy_1_1_vlrauto(bus0_ptr, tone_ptr, nbr_spl, _out_gain_old, _out_gain, pos, _frame_len);
}

void PreFilter::process_block_2_1(float *tone_ptr, float *bus0_ptr, const float *const in_ptr_arr[2], long nbr_spl,
                                  long pos)
{
	dsp::BasicMixing::copy_2_1_vlrauto(tone_ptr, in_ptr_arr[0], in_ptr_arr[1], nbr_spl,
	                                   0.5f * _in_gain_old, 0.5f * _in_gain, pos, _frame_len);
	float *const data_arr[2] = {tone_ptr, nullptr};
	filter_chains(1, data_arr, nbr_spl, pos);
	dsp::BasicMixing::copy_1_1_vlrauto(bus0_ptr, tone_ptr, nbr_spl, _out_gain_old, _out_gain, pos, _frame_len);
}

void PreFilter::process_block_2_2(float *tone_ptr, float *const bus_ptr_arr[2], const float *const in_ptr_arr[2],
                                  long nbr_spl, long pos)
{
	dsp::BasicMixing::copy_2_2_vlrauto(bus_ptr_arr[0], bus_ptr_arr[1], in_ptr_arr[0], in_ptr_arr[1], nbr_spl,
	                                   _in_gain_old, _in_gain, pos, _frame_len);
	filter_chains(2, bus_ptr_arr, nbr_spl, pos);
	dsp::BasicMixing::copy_2_1_v(tone_ptr, bus_ptr_arr[0], bus_ptr_arr[1], nbr_spl, 0.5f);
	dsp::BasicMixing::copy_2_2_vlrauto(bus_ptr_arr[0], bus_ptr_arr[1], bus_ptr_arr[0], bus_ptr_arr[1], nbr_spl,
	                                   _out_gain_old, _out_gain, pos, _frame_len);
}

void PreFilter::force_isa(dsp::SimdChoice::Isa isa) noexcept
{
	_avx2 = dsp::SimdChoice::capped(isa) != dsp::SimdChoice::Isa::SSE2;
}

void PreFilter::set_master_vol(float vol)
{
	_master_vol = vol;
	_gain_dirty = true;
}

void PreFilter::report_tempo_change()
{
	_x_flag.set();
	_y_flag.set();
}

void PreFilter::clear_buffers()
{
	jump_y();
	for (auto &chain : _filter_arr)
	{
		for (auto &flt : chain)
		{
			flt.clear_buffers();
		}
	}
	_in_gain_old = _in_gain;
	_out_gain_old = _out_gain;
	_flat_old = _flat;
}
