// Phaser voice.
#include "engine/PhasedVoice.h"

#include "dsp/BasicMixing.h"
#include "dsp/PolyphaseIir2Designer.h"
#include "engine/ParamTextFnc.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

namespace
{

constexpr double PI = 3.14159265358979323846;
constexpr double TWO_PI = 2 * PI;
constexpr float LFO_GLIDE_TIME = 0.05f;
constexpr long BAND_SUB_BLOCK = 64;  // band coefficients move at most every 64 samples

template <int N>
basic::SharedPtr<dsp::Phase90IirInterface> make_network(double att_db, double tbw)
{
	auto *net_ptr = new dsp::Phase90IirOptNorm<N>;
	std::vector<double> coefs;
	dsp::PolyphaseIir2Designer::compute_halfband_lpf(coefs, att_db, tbw);
	net_ptr->set_coefs(coefs);
	return basic::SharedPtr<dsp::Phase90IirInterface>(net_ptr);
}

}  // namespace

double PhasedVoice::FdbkClipper::operator()(double x) const noexcept
{
	return std::tanh(x);
}

double PhasedVoice::OutputClipper::operator()(double x) const noexcept
{
	const double y = 0.686306 * x;
	return (std::exp(y) - std::exp(-y * (1 + std::exp(-0.75 * std::sqrt(std::fabs(y)))))) /
	       (std::exp(y) + std::exp(-y));
}

double PhasedVoice::PanModifier::operator()(double v, double m) const noexcept
{
	return ParamTextFnc::clamp(v + (1 - std::fabs(v)) * m, -1, 1);
}

double PhasedVoice::OscRateModifier::operator()(double v, double m) const noexcept
{
	return ParamTextFnc::clamp(v * std::pow(256.0, m), ParamVoiceOscRate::MIN_BEATS, ParamVoiceOscRate::MAX_BEATS);
}

double PhasedVoice::ManPhaseModifier::operator()(double v, double m) const noexcept
{
	return ParamTextFnc::clamp(v + 0.5 * m, -2, 2);
}

double PhasedVoice::FdbkLvlModifier::operator()(double v, double m) const noexcept
{
	return ParamTextFnc::clamp(v + 0.5 * m, 0, 1);
}

double PhasedVoice::FdbkColModifier::operator()(double v, double m) const noexcept
{
	double c = v + 0.5 * m;
	if (c < 0)
	{
		c += 1;
	}
	else if (c > 1)
	{
		c -= 1;
	}
	return c;
}

double PhasedVoice::FiltFreqModifier::operator()(double v, double m) const noexcept
{
	return ParamTextFnc::clamp(v * std::pow(8.0, m), ParamVoiceFiltFreq::MIN_FREQ, ParamVoiceFiltFreq::MAX_FREQ);
}

double PhasedVoice::gain_modifier(double g, double f, double q) noexcept
{
	const double u = std::log(f / ParamVoiceFiltFreq::MIN_FREQ) / std::log(256.0);
	const double t = q * u;
	return g * (1 + u) * (1 + t) / (1 + t / (2 * ParamVoiceFiltBw::MAX_Q));
}

void PhasedVoice::init(int index, rivo::PluginInternal &registry, SharedTempBuf &scratch)
{
	using ParamPtr = rivo::PluginInternal::ParamPtr;
	_index = index;
	_default_gain = (index == 0) ? 0.5f : 0.0f;
	_time_unit_ptr = &registry.get_time_unit();
	_scratch_ptr = &scratch;

	auto *gain_ptr = new ParamVoiceGain;
	gain_ptr->init(_default_gain, 0, index);
	_gain_ptr = gain_ptr;
	registry.register_param(ParamPtr(gain_ptr));

	auto *pan_ptr = new ParamVoicePan;
	pan_ptr->init(0.0, 0, index);
	_pan_lfo.init(ParamPtr(pan_ptr), registry, 100);

	auto *depth_ptr = new ParamVoiceDepth;
	depth_ptr->init(0.0, 0, index);
	_depth_ptr = depth_ptr;
	registry.register_param(ParamPtr(depth_ptr));

	auto *hold_ptr = new ParamVoiceOscHold;
	hold_ptr->init(0.0, 0, index);
	_hold_ptr = hold_ptr;
	registry.register_param(ParamPtr(hold_ptr));

	auto *period_ptr = new ParamVoiceOscRate;
	period_ptr->init(1.6, 0, index, *_time_unit_ptr);
	_period_lfo.init(ParamPtr(period_ptr), registry, 100);

	auto *man_ptr = new ParamVoiceManPh;
	man_ptr->init(0.0, 0, index);
	_man_lfo.init(ParamPtr(man_ptr), registry, 100);

	auto *lvl_ptr = new ParamVoiceFdbkLvl;
	lvl_ptr->init(0.0, 0, index);
	_lvl_lfo.init(ParamPtr(lvl_ptr), registry, 100);

	auto *col_ptr = new ParamVoiceFdbkCol;
	col_ptr->init(0.0, 0, index);
	_col_lfo.init(ParamPtr(col_ptr), registry, 100);

	auto *freq_ptr = new ParamVoiceFiltFreq;
	freq_ptr->init(640.0, 0, index);
	_freq_lfo.init(ParamPtr(freq_ptr), registry, 100);

	auto *q_ptr = new ParamVoiceFiltBw;
	q_ptr->init(0.1, 0, index);
	_q_ptr = q_ptr;
	registry.register_param(ParamPtr(q_ptr));

	_gain_ptr->set_notification_target(&_gain_flag);
	_pan_lfo.set_notification_target(&_pan_flag);
	_depth_ptr->set_notification_target(&_depth_flag);
	_hold_ptr->set_notification_target(&_hold_flag);
	_period_lfo.set_notification_target(&_period_flag);
	_man_lfo.set_notification_target(&_man_flag);
	_lvl_lfo.set_notification_target(&_lvl_flag);
	_col_lfo.set_notification_target(&_col_flag);
	_freq_lfo.set_notification_target(&_band_flag);
	_q_ptr->set_notification_target(&_band_flag);

	_pan_lfo.set_inertia_time(LFO_GLIDE_TIME);
	_period_lfo.set_inertia_time(LFO_GLIDE_TIME);
	_man_lfo.set_inertia_time(LFO_GLIDE_TIME);
	_lvl_lfo.set_inertia_time(LFO_GLIDE_TIME);
	_col_lfo.set_inertia_time(LFO_GLIDE_TIME);
	_freq_lfo.set_inertia_time(LFO_GLIDE_TIME);

	_net_arr[0] = make_network<8>(40, 0.001);
	_net_arr[1] = make_network<16>(60, 0.00005);
	_net_arr[2] = make_network<32>(130, 0.00005);
	_net_index = 0;
	_cur_net_ptr = _net_arr[0].get();

	for (auto &flt : _band_arr)
	{
		flt.set_type(dsp::Filter2p::Type_BPF);
		flt.set_p1(1);
	}
	// Every value is taken over at the first tick.
	for (rivo::NotificationFlag *flag_ptr : {&_gain_flag, &_pan_flag, &_depth_flag, &_hold_flag, &_period_flag,
	                                         &_man_flag, &_lvl_flag, &_col_flag, &_band_flag})
	{
		flag_ptr->set();
	}
	update_bpf();
}

void PhasedVoice::set_default_state()
{
	_gain_ptr->set_from_normalized(_gain_ptr->normalize_val(_default_gain));
	_depth_ptr->set_from_normalized(0);
	_hold_ptr->set_from_normalized(0);
	_q_ptr->set_from_normalized(_q_ptr->normalize_val(ParamVoiceFiltBw::MIN_Q));
	_pan_lfo.set_default_state(0.0);
	_period_lfo.set_default_state(1.6);
	_man_lfo.set_default_state(0.0);
	_lvl_lfo.set_default_state(0.0);
	_col_lfo.set_default_state(0.0);
	_freq_lfo.set_default_state(640.0);
}

void PhasedVoice::set_sample_freq(float fs)
{
	_sample_freq = fs;
	_pan_lfo.set_sample_freq(fs);
	_period_lfo.set_sample_freq(fs);
	_man_lfo.set_sample_freq(fs);
	_lvl_lfo.set_sample_freq(fs);
	_col_lfo.set_sample_freq(fs);
	_freq_lfo.set_sample_freq(fs);
	_osc.set_sample_freq(fs);
	// The sweep rate follows the new rate at once rather than at the next period change.
	_phase_inc = TWO_PI * _rate / double(fs);
	for (auto &flt : _band_arr)
	{
		flt.set_sample_freq(fs);
	}
	update_bpf();
}

void PhasedVoice::clear_buffers()
{
	_period_lfo.reset();
	_osc.set_phasor(1, 0);
	for (auto &net : _net_arr)
	{
		net->clear_buffers();
	}
	for (auto &flt : _band_arr)
	{
		flt.clear_buffers();
	}
	_fdbk_state = 0;
	_col_cos = float(std::cos(TWO_PI * _colour));
	_col_sin = float(std::sin(TWO_PI * _colour));
	_colour_old = _colour;
	update_pan_matrix();
	_pan_mat_old = _pan_mat;
	// A clear may cut a frame short: the next one starts from the targets,
	// wherever the host's last block ended.
	_lvl_use = _lvl_target;
	_gain_old = _gain;
	_band_q_old = _band_q;
	_band_freq_old = _band_freq;
	_band_dirty = true;
}

void PhasedVoice::set_master_vol(float vol)
{
	_master_vol = vol;
	_pan_dirty = true;
}

void PhasedVoice::report_tempo_change()
{
	for (rivo::NotificationFlag *flag_ptr : {&_pan_flag, &_period_flag, &_man_flag, &_lvl_flag, &_col_flag, &_band_flag})
	{
		flag_ptr->set();
	}
}

void PhasedVoice::set_osc_phase(float phase)
{
	if (std::isfinite(phase))
	{
		_stored_phase.store(phase, std::memory_order_relaxed);
		_phase_set_flag.set();
	}
}

void PhasedVoice::update_bpf()
{
	_band_dirty = true;
	_band_q = float(_q_ptr->get_val());
	_band_freq = float(_freq_lfo.get_val());
	_band_on = ParamVoiceFiltBw::is_on(_band_q);
}

void PhasedVoice::update_pan_matrix()
{
	const float m = _master_vol;
	const float p = _pan * m;
	const float q = p >= 0 ? p : 0;
	_pan_mat.set(m - q, q, q - p, m - (q - p));
}

void PhasedVoice::tick(long nbr_spl)
{
	_pan_lfo.tick(nbr_spl);
	_period_lfo.tick(nbr_spl);
	_man_lfo.tick(nbr_spl);
	_lvl_lfo.tick(nbr_spl);
	_col_lfo.tick(nbr_spl);
	_freq_lfo.tick(nbr_spl);

	_colour_old = _colour;
	_man_phase_old = _man_phase;
	const float stored = get_osc_phase();
	_stored_phase_old = stored;

	if (_gain_flag.take())
	{
		_gain = float(_gain_ptr->get_val());
	}
	if (_pan_flag.take())
	{
		_pan = float(_pan_lfo.get_val());
		_pan_dirty = true;
	}
	if (_depth_flag.take())
	{
		_net_index = _depth_ptr->get_index(_depth_ptr->get_val());
		_cur_net_ptr = _net_arr[size_t(_net_index)].get();
	}
	const bool phase_set = _phase_set_flag.take();
	const bool hold_changed = _hold_flag.take();
	if (hold_changed)
	{
		_hold = (_hold_ptr->get_index(_hold_ptr->get_val()) == 1);
		_osc_dirty = true;
	}
	if (_man_flag.take())
	{
		_man_phase = float(_man_lfo.get_val() * TWO_PI);
		_osc_dirty = true;
	}
	if (_period_flag.take())
	{
		_rate = 1.0 / _time_unit_ptr->convert_beats_to_time(_period_lfo.get_val());
		_osc_dirty = true;
		_phase_inc = TWO_PI * _rate / double(_sample_freq);
	}
	if (_lvl_flag.take())
	{
		_lvl_target = float(_lvl_lfo.get_val());
	}
	if (_col_flag.take())
	{
		_colour = float(_col_lfo.get_val());
		_col_cos = float(std::cos(TWO_PI * _colour));
		_col_sin = float(std::sin(TWO_PI * _colour));
	}
	if (_band_flag.take())
	{
		update_bpf();
	}

	if (_pan_dirty)
	{
		_pan_dirty = false;
		update_pan_matrix();
	}

	// A program's phase is taken over only while the oscillator is held.
	if (phase_set && _hold)
	{
		_phase = stored;
	}
	if (hold_changed || (phase_set && !_hold))
	{
		_stored_phase.store(float(_phase), std::memory_order_relaxed);
		_stored_phase_old = float(_phase);
	}

	_osc.renormalize();
}

void PhasedVoice::update_osc_phase(long nbr_spl)
{
	const double anchor = _phase + double(_man_phase_old);
	_osc.set_phasor(float(std::cos(anchor)), float(std::sin(anchor)));
	if (!_hold)
	{
		_phase += _phase_inc * double(nbr_spl);
	}
	if (_osc_dirty)
	{
		_osc_dirty = false;
		double f = _hold ? 0.0 : _rate;
		const float stored = get_osc_phase();
		if (_man_phase != _man_phase_old || stored != _stored_phase_old)
		{
			// Glide to the new manual phase across this block instead of jumping.
			_osc_dirty = true;
			const double delta = double(_man_phase - _man_phase_old) + double(stored - _stored_phase_old);
			f += delta / double(nbr_spl) * double(_sample_freq) / TWO_PI;
		}
		_osc.set_freq(float(f));
	}
}

template <class NET, bool FDBK>
void PhasedVoice::process_samples(NET &net, const float *in_ptr, long nbr_spl)
{
	float *s0_ptr = _scratch_ptr->_buf[0].data();
	float *s1_ptr = _scratch_ptr->_buf[1].data();
	// The feedback level ramps across the frame: a step would be heard as a click.
	float lvl = _lvl_run;
	const float lvl_step = _lvl_step;
	float fdbk = _fdbk_state;
	float c = _osc.get_cos();
	float s = _osc.get_sin();
	const float step_c = _osc.get_step_cos();
	const float step_s = _osc.get_step_sin();
	float col_c = _col_run_c;
	float col_s = _col_run_s;
	const float rot_c = _col_rot_c;
	const float rot_s = _col_rot_s;
	const bool col_glide = _col_glide;
	for (long i = 0; i < nbr_spl; ++i)
	{
		if (col_glide)
		{
			const float nc = col_c * rot_c - col_s * rot_s;
			col_s = col_s * rot_c + col_c * rot_s;
			col_c = nc;
		}
		const float x = in_ptr[i];
		float a;
		float b;
		net.process_sample(a, b, x + fdbk);
		const float aa = a * c;
		const float bb = b * s;
		s0_ptr[i] = aa + bb;
		s1_ptr[i] = aa - bb;
		if (FDBK)
		{
			const float f = (x + aa + bb * (c * col_c - s * col_s)) * lvl;
			fdbk = _fdbk_clipper(f);
		}
		else
		{
			// At level 0 the clipped feedback is exactly 0 (tanh 0 = 0), so the
			// samples no longer wait for each other.
			fdbk = 0;
		}
		const float nc = c * step_c - s * step_s;
		s = s * step_c + c * step_s;
		c = nc;
		lvl += lvl_step;
	}
	_fdbk_state = fdbk;
	_osc.set_phasor(c, s);
	_lvl_run = lvl;
	_col_run_c = col_c;
	_col_run_s = col_s;
}

template <class F>
void PhasedVoice::with_current_network(F fnc)
{
	switch (_net_index)
	{
	case 0: fnc(static_cast<dsp::Phase90IirOptNorm<8> &>(*_cur_net_ptr).use_network()); break;
	case 1: fnc(static_cast<dsp::Phase90IirOptNorm<16> &>(*_cur_net_ptr).use_network()); break;
	default: fnc(static_cast<dsp::Phase90IirOptNorm<32> &>(*_cur_net_ptr).use_network()); break;
	}
}

// The per-sample loop is compiled for each network size, so the network's
// units are inlined into it.
template <bool FDBK>
void PhasedVoice::process_with_network(const float *in_ptr, long nbr_spl)
{
	with_current_network([this, in_ptr, nbr_spl](auto &net) { process_samples<std::decay_t<decltype(net)>, FDBK>(net, in_ptr, nbr_spl); });
}

void PhasedVoice::get_colour_ramp(float &col_c, float &col_s, float &rot_c, float &rot_s, long nbr_spl) const
{
	col_c = _col_cos;
	col_s = _col_sin;
	rot_c = 1;
	rot_s = 0;
	if (_colour != _colour_old)
	{
		const double start = TWO_PI * _colour_old;
		const double step = TWO_PI * double(_colour - _colour_old) / double(nbr_spl);
		col_c = float(std::cos(start));
		col_s = float(std::sin(start));
		rot_c = float(std::cos(step));
		rot_s = float(std::sin(step));
	}
}

void PhasedVoice::process_block_mix(float *left_ptr, float *right_ptr, const float *in_ptr, long nbr_spl)
{
	if (begin_frame(nbr_spl))
	{
		run_samples(in_ptr, nbr_spl);
		end_piece(left_ptr, right_ptr, 0, nbr_spl);
	}
}

bool PhasedVoice::begin_frame(long frame_len)
{
	_frame_len = frame_len;
	update_osc_phase(frame_len);
	// A voice going silent still sounds for the frame its gain fades out in.
	if (std::fabs(_gain) < SILENT_GAIN && std::fabs(_gain_old) < SILENT_GAIN)
	{
		_lvl_use = _lvl_target;
		return false;
	}
	_lvl_run = _lvl_use;
	_lvl_step = (_lvl_target - _lvl_use) / float(frame_len);
	if (_band_on && _band_dirty)
	{
		// What the band's sweep needs, once per frame rather than per piece.
		_band_ln_q_old = std::log(double(_band_q_old));
		_band_ln_q = std::log(double(_band_q));
		_band_g0 = gain_modifier(_gain_old, _band_freq_old, _band_q_old);
		_band_g1 = gain_modifier(_gain, _band_freq, _band_q);
		_band_sub_set = -1;
	}
	_col_glide = (_colour != _colour_old);
	get_colour_ramp(_col_run_c, _col_run_s, _col_rot_c, _col_rot_s, frame_len);
	return true;
}

void PhasedVoice::run_samples(const float *in_ptr, long nbr_spl)
{
	if (_lvl_use != 0 || _lvl_target != 0)
	{
		process_with_network<true>(in_ptr, nbr_spl);
	}
	else
	{
		process_with_network<false>(in_ptr, nbr_spl);
	}
}

void PhasedVoice::run_samples_side_by_side(PhasedVoice *const voice_arr[], int nbr_voices, const float *in_ptr,
                                           long nbr_spl, dsp::Phase90IirX4 &bank)
{
	constexpr int L = dsp::Phase90IirX4::NBR_LANES;
	alignas(16) float c[L] = {1, 1, 1, 1}, s[L] = {0, 0, 0, 0}, stc[L] = {1, 1, 1, 1}, sts[L] = {0, 0, 0, 0};
	alignas(16) float col_c[L] = {1, 1, 1, 1}, col_s[L] = {0, 0, 0, 0}, rot_c[L] = {1, 1, 1, 1}, rot_s[L] = {0, 0, 0, 0};
	alignas(16) float lvl[L] = {0, 0, 0, 0}, lvl_step[L] = {0, 0, 0, 0}, fdbk[L] = {0, 0, 0, 0};
	bank.reset();
	for (int v = 0; v < nbr_voices; ++v)
	{
		PhasedVoice &voice = *voice_arr[v];
		voice.with_current_network([&bank, v](auto &net) { bank.load_lane(v, net); });
		c[v] = voice._osc.get_cos();
		s[v] = voice._osc.get_sin();
		stc[v] = voice._osc.get_step_cos();
		sts[v] = voice._osc.get_step_sin();
		col_c[v] = voice._col_run_c;
		col_s[v] = voice._col_run_s;
		rot_c[v] = voice._col_rot_c;
		rot_s[v] = voice._col_rot_s;
		lvl[v] = voice._lvl_run;
		lvl_step[v] = voice._lvl_step;
		fdbk[v] = voice._fdbk_state;
	}
	bank.start();
	__m128 vc = _mm_load_ps(c), vs = _mm_load_ps(s);
	const __m128 vstc = _mm_load_ps(stc), vsts = _mm_load_ps(sts);
	__m128 vcol_c = _mm_load_ps(col_c), vcol_s = _mm_load_ps(col_s);
	const __m128 vrot_c = _mm_load_ps(rot_c), vrot_s = _mm_load_ps(rot_s);
	__m128 vlvl = _mm_load_ps(lvl);
	const __m128 vlvl_step = _mm_load_ps(lvl_step);
	__m128 vfdbk = _mm_load_ps(fdbk);
	const auto &clipper = voice_arr[0]->_fdbk_clipper;
	alignas(16) float out_a[SharedTempBuf::FRAME_LEN][L];
	alignas(16) float out_b[SharedTempBuf::FRAME_LEN][L];
	for (long i = 0; i < nbr_spl; ++i)
	{
		// Constant colours rotate by (1, 0), which leaves them exactly as they are.
		const __m128 ncol = _mm_sub_ps(_mm_mul_ps(vcol_c, vrot_c), _mm_mul_ps(vcol_s, vrot_s));
		vcol_s = _mm_add_ps(_mm_mul_ps(vcol_s, vrot_c), _mm_mul_ps(vcol_c, vrot_s));
		vcol_c = ncol;
		const __m128 x = _mm_set1_ps(in_ptr[i]);
		__m128 a;
		__m128 b;
		bank.process_sample(a, b, _mm_add_ps(x, vfdbk));
		const __m128 aa = _mm_mul_ps(a, vc);
		const __m128 bb = _mm_mul_ps(b, vs);
		_mm_store_ps(out_a[i], _mm_add_ps(aa, bb));
		_mm_store_ps(out_b[i], _mm_sub_ps(aa, bb));
		const __m128 mix = _mm_sub_ps(_mm_mul_ps(vc, vcol_c), _mm_mul_ps(vs, vcol_s));
		const __m128 f = _mm_mul_ps(_mm_add_ps(_mm_add_ps(x, aa), _mm_mul_ps(bb, mix)), vlvl);
		vfdbk = clipper.eval4(f);  // exactly 0 where the level is 0
		const __m128 nc = _mm_sub_ps(_mm_mul_ps(vc, vstc), _mm_mul_ps(vs, vsts));
		vs = _mm_add_ps(_mm_mul_ps(vs, vstc), _mm_mul_ps(vc, vsts));
		vc = nc;
		vlvl = _mm_add_ps(vlvl, vlvl_step);
	}
	_mm_store_ps(c, vc);
	_mm_store_ps(s, vs);
	_mm_store_ps(fdbk, vfdbk);
	_mm_store_ps(lvl, vlvl);
	_mm_store_ps(col_c, vcol_c);
	_mm_store_ps(col_s, vcol_s);
	for (int v = 0; v < nbr_voices; ++v)
	{
		PhasedVoice &voice = *voice_arr[v];
		voice.with_current_network([&bank, v, nbr_spl](auto &net) { bank.store_lane(v, net, nbr_spl); });
		voice._osc.set_phasor(c[v], s[v]);
		voice._fdbk_state = fdbk[v];
		voice._lvl_run = lvl[v];
		voice._col_run_c = col_c[v];
		voice._col_run_s = col_s[v];
		float *s0_ptr = voice._scratch_ptr->_buf[0].data();
		float *s1_ptr = voice._scratch_ptr->_buf[1].data();
		for (long i = 0; i < nbr_spl; ++i)
		{
			s0_ptr[i] = out_a[i][v];
			s1_ptr[i] = out_b[i][v];
		}
	}
}

void PhasedVoice::end_piece(float *left_ptr, float *right_ptr, long pos, long nbr_spl)
{
	if (!_band_on)
	{
		process_dist(pos, nbr_spl);
	}
	else if (_band_dirty)
	{
		process_dist_bpf_v(pos, nbr_spl);
	}
	else
	{
		process_dist_bpf_c(pos, nbr_spl);
	}

	dsp::BasicMixing::mix_mat_2_2_vlrauto(left_ptr, right_ptr, _scratch_ptr->_buf[0].data(),
	                                      _scratch_ptr->_buf[1].data(), nbr_spl, _pan_mat_old, _pan_mat, pos,
	                                      _frame_len);
	if (pos + nbr_spl >= _frame_len)
	{
		end_frame();
	}
}

// Every ramp has reached its end: the frame's targets become the next frame's start.
void PhasedVoice::end_frame()
{
	_lvl_use = _lvl_target;
	_gain_old = _gain;
	_pan_mat_old = _pan_mat;
	_band_q_old = _band_q;
	_band_freq_old = _band_freq;
	_band_dirty = false;
	if (_col_glide)
	{
		_col_cos = float(std::cos(TWO_PI * _colour));
		_col_sin = float(std::sin(TWO_PI * _colour));
	}
}

void PhasedVoice::filter_band(long start, long nbr_spl)
{
	dsp::Biquad *const chain_arr[2][1] = {{&_band_arr[0]}, {&_band_arr[1]}};
	float *const data_arr[2] = {_scratch_ptr->_buf[0].data() + start, _scratch_ptr->_buf[1].data() + start};
	dsp::Biquad::process_chains<2, 1, false>(chain_arr, data_arr, nbr_spl);
}

void PhasedVoice::clip_output(long start, long nbr_spl, float g0, float g1, long first)
{
	float *s0_ptr = _scratch_ptr->_buf[0].data() + start;
	float *s1_ptr = _scratch_ptr->_buf[1].data() + start;
	// The gain of each sample from its place in the frame, so that a frame
	// cut into pieces gets exactly the gains it gets in one.
	const float step = (g1 - g0) / float(_frame_len);
	auto gain_at = [=](long i) { return g0 + step * float(first + i); };
	long i = 0;
	// Four samples at a time through the table, with the same gains as the
	// one-by-one tail below.
	for (; i + 4 <= nbr_spl; i += 4)
	{
		alignas(16) float gain[4];
		for (int k = 0; k < 4; ++k)
		{
			gain[k] = gain_at(i + k);
		}
		const __m128 vg = _mm_load_ps(gain);
		_mm_storeu_ps(s0_ptr + i, _out_clipper.eval4(_mm_mul_ps(vg, _mm_loadu_ps(s0_ptr + i))));
		_mm_storeu_ps(s1_ptr + i, _out_clipper.eval4(_mm_mul_ps(vg, _mm_loadu_ps(s1_ptr + i))));
	}
	for (; i < nbr_spl; ++i)
	{
		const float g = gain_at(i);
		s0_ptr[i] = _out_clipper(g * s0_ptr[i]);
		s1_ptr[i] = _out_clipper(g * s1_ptr[i]);
	}
}

void PhasedVoice::process_dist(long pos, long nbr_spl)
{
	clip_output(0, nbr_spl, _gain_old, _gain, pos);
}

void PhasedVoice::process_dist_bpf_c(long pos, long nbr_spl)
{
	filter_band(0, nbr_spl);
	const float g1 = float(gain_modifier(_gain, _band_freq, _band_q));
	const float g0 = (_gain == _gain_old) ? g1 : float(gain_modifier(_gain_old, _band_freq, _band_q));
	clip_output(0, nbr_spl, g0, g1, pos);
}

// The band moves in sub-blocks laid on the frame, whatever the pieces.
void PhasedVoice::process_dist_bpf_v(long pos, long nbr_spl)
{
	const double frame_len = double(_frame_len);
	for (long start = pos; start < pos + nbr_spl;)
	{
		const long sub = start / BAND_SUB_BLOCK;
		const long end = std::min((sub + 1) * BAND_SUB_BLOCK, pos + nbr_spl);
		if (sub != _band_sub_set)
		{
			// The filters take the sub-block's setting once, however many pieces it spans.
			_band_sub_set = sub;
			const double r_sub = double(std::min((sub + 1) * BAND_SUB_BLOCK, _frame_len)) / frame_len;
			const double f = _band_freq_old + r_sub * (double(_band_freq) - _band_freq_old);
			const double q = std::exp(_band_ln_q_old + r_sub * (_band_ln_q - _band_ln_q_old));
			for (dsp::Filter2p &flt : _band_arr)
			{
				flt.set_freq(float(f));
				flt.set_p2(float(q));
				flt.update_eq();
			}
		}
		filter_band(start - pos, end - start);
		clip_output(start - pos, end - start, float(_band_g0), float(_band_g1), start);
		start = end;
	}
}
