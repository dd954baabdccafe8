// Phaser voice.
#include "engine/PhasedVoice.h"

#include "dsp/BasicMixing.h"
#include "dsp/PolyphaseIir2Designer.h"
#include "engine/ParamTextFnc.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <type_traits>
#include <vector>

namespace
{

constexpr double PI = 3.14159265358979323846;
constexpr double TWO_PI = 2 * PI;
constexpr float LFO_GLIDE_TIME = 0.05f;

constexpr long BAND_SUB_BLOCK = PhasedVoice::BAND_SUB_BLOCK;

template <int N>
void design_network(dsp::Phase90Iir<N> &net, double att_db, double tbw)
{
	std::vector<double> coefs;
	dsp::PolyphaseIir2Designer::compute_halfband_lpf(coefs, att_db, tbw);
	net.set_coefs(coefs);
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

template <int N>
PhasedVoice::NetLanes PhasedVoice::make_net_lanes(const dsp::Phase90Iir<N> &net)
{
	NetLanes nl;
	nl.nbr_units = N / 2;
	for (int chain = 0; chain < 2; ++chain)
	{
		double p_prev = 1;
		double g_prev = 0;
		for (int k = 0; k < N / 2; ++k)
		{
			const double c = net.use_unit(chain, k).get_coef();
			const double p = net.get_product(chain, k);
			const double g = c * g_prev + (c * p - p_prev);
			nl.coef[chain][k] = float(c);
			nl.h[chain][k] = float(c * g - g_prev);
			p_prev = p;
			g_prev = g;
		}
		nl.prod[chain] = float(p_prev);
		nl.g_last[chain] = float(g_prev);
	}
	return nl;
}

void PhasedVoice::init(int index, rivo::PluginInternal &registry)
{
	using ParamPtr = rivo::PluginInternal::ParamPtr;
	_index = index;
	_default_gain = (index == 0) ? 0.5f : 0.0f;
	_time_unit_ptr = &registry.get_time_unit();

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

	dsp::Phase90Iir<8> net_8;
	dsp::Phase90Iir<16> net_16;
	dsp::Phase90Iir<32> net_32;
	design_network(net_8, 40, 0.001);
	design_network(net_16, 60, 0.00005);
	design_network(net_32, 130, 0.00005);
	_net_lanes[0] = make_net_lanes(net_8);
	_net_lanes[1] = make_net_lanes(net_16);
	_net_lanes[2] = make_net_lanes(net_32);
	_net_index = 0;

	_band.set_type(dsp::Filter2p::Type_BPF);
	_band.set_p1(1);
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
	_band.set_sample_freq(fs);
	update_bpf();
}

void PhasedVoice::clear_buffers()
{
	_period_lfo.reset();
	_osc.set_phasor(1, 0);
	for (NetLanes &nl : _net_lanes)
	{
		for (auto &cell : nl.r)
		{
			for (auto &chain : cell)
			{
				std::fill(std::begin(chain), std::end(chain), 0.0f);
			}
		}
		nl.u_last[0] = nl.u_last[1] = nl.u_last2[0] = nl.u_last2[1] = 0;
	}
	for (auto &mem : _band_mem)
	{
		mem[0] = mem[1] = 0;
	}
	_fdbk_state = 0;
	set_colour_phasor(_colour);
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

void PhasedVoice::get_colour_ramp(float &col_c, float &col_s, float &rot_c, float &rot_s, long nbr_spl) const
{
	col_c = _col_cos;
	col_s = _col_sin;
	rot_c = 1;
	rot_s = 0;
	if (_colour != _colour_old)
	{
		const double step = TWO_PI * double(_colour - _colour_old) / double(nbr_spl);
		rot_c = float(std::cos(step));
		rot_s = float(std::sin(step));
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
	if (!_band_on)
	{
		_gain_g0 = _gain_old;
		_gain_g1 = _gain;
	}
	else if (_band_dirty)
	{
		// What the band's sweep needs, once per frame: one power where
		// each sub-block took a logarithm and an exponential.
		const long nbr_sub = std::min((frame_len + BAND_SUB_BLOCK - 1) / BAND_SUB_BLOCK,
		                              long(std::size(_band_q_sub)));
		const double step =
		   std::pow(double(_band_q) / double(_band_q_old), double(BAND_SUB_BLOCK) / double(frame_len));
		double q = _band_q_old;
		for (long j = 0; j < nbr_sub - 1; ++j)
		{
			q *= step;
			_band_q_sub[j] = float(q);
		}
		_band_q_sub[nbr_sub - 1] = _band_q;
		_gain_g0 = float(gain_modifier(_gain_old, _band_freq_old, _band_q_old));
		_gain_g1 = float(gain_modifier(_gain, _band_freq, _band_q));
	}
	else
	{
		_gain_g1 = float(gain_modifier(_gain, _band_freq, _band_q));
		_gain_g0 = (_gain == _gain_old) ? _gain_g1 : float(gain_modifier(_gain_old, _band_freq, _band_q));
	}
	_col_glide = (_colour != _colour_old);
	// The phasor is the frame's starting colour's, made only when that
	// colour is not the one the last sounding frame ended on.
	if (_col_phasor_of != _colour_old)
	{
		set_colour_phasor(_colour_old);
	}
	get_colour_ramp(_col_run_c, _col_run_s, _col_rot_c, _col_rot_s, frame_len);
	return true;
}

int PhasedVoice::get_nbr_units() const noexcept
{
	return _net_lanes[size_t(_net_index)].nbr_units;
}

void PhasedVoice::load_saturators(VoiceLanes::Data &d)
{
	const dsp::InterpFncFiniteAsym<VoiceLanes::FDBK_LO, VoiceLanes::FDBK_LO + VoiceLanes::FDBK_SEGS, FdbkClipper> fdbk;
	const dsp::InterpFncFiniteAsym<VoiceLanes::OUT_LO, VoiceLanes::OUT_LO + VoiceLanes::OUT_SEGS, OutputClipper> out;
	for (int j = 0; j < 4; ++j)
	{
		for (int p = 0; p < VoiceLanes::FDBK_SEGS; ++p)
		{
			d.fdbk_tab[j][p] = fdbk.use_segment(p).get_coefs()[j];
		}
		for (int p = 0; p < VoiceLanes::OUT_SEGS; ++p)
		{
			d.out_tab[j][p] = out.use_segment(p).get_coefs()[j];
		}
	}
	d.fdbk_lo_val = fdbk.get_val_lo();
	d.fdbk_hi_val = fdbk.get_val_hi();
	d.out_lo_val = out.get_val_lo();
	d.out_hi_val = out.get_val_hi();
}

void PhasedVoice::load_lanes(VoiceLanes::Data &d, int slot) const
{
	const NetLanes &nl = _net_lanes[size_t(_net_index)];
	const float inv_len = 1.0f / float(_frame_len);
	// Locals: the stores into d would otherwise make the compiler read these again.
	const int nbr_units = d.nbr_units;
	const int cell0 = d.cell;
	const bool new_coef = (d.coef_of[slot] != &nl || d.coef_units[slot] != nbr_units);
	d.coef_of[slot] = &nl;
	d.coef_units[slot] = nbr_units;
	for (int chain = 0; chain < 2; ++chain)
	{
		const int lane = 2 * slot + chain;
		const int last = nl.nbr_units - 1;
		for (int k = 0; k < nbr_units; ++k)
		{
			// Units beyond the voice's chain pass on what reaches them
			// exactly: coefficient 1, H 0, and the R of the chain's last unit.
			const int src = std::min(k, last);
			if (new_coef)
			{
				d.coef[k][lane] = (k <= last) ? nl.coef[chain][k] : 1.0f;
				d.h[k][lane] = (k <= last) ? nl.h[chain][k] : 0.0f;
			}
			d.r[k][cell0][lane] = nl.r[0][chain][src];
			d.r[k][cell0 ^ 1][lane] = nl.r[1][chain][src];
		}
		d.prod[lane] = nl.prod[chain];
		d.g_last[lane] = nl.g_last[chain];
		d.u_last[lane] = nl.u_last[chain];
		d.u_last2[lane] = nl.u_last2[chain];
		d.osc_c[lane] = _osc.get_cos();
		d.osc_s[lane] = _osc.get_sin();
		d.osc_step_c[lane] = _osc.get_step_cos();
		d.osc_step_s[lane] = _osc.get_step_sin();
		d.col_c[lane] = _col_run_c;
		d.col_s[lane] = _col_run_s;
		d.col_rot_c[lane] = _col_rot_c;
		d.col_rot_s[lane] = _col_rot_s;
		d.lvl[lane] = _lvl_use;
		d.lvl_step[lane] = (_lvl_target - _lvl_use) * inv_len;
		d.fdbk_state[lane] = has_fdbk() ? _fdbk_state : 0.0f;
		d.x1[lane] = _band_mem[0][chain];
		d.x2[lane] = _band_mem[1][chain];
		d.y1[lane] = _band_mem[2][chain];
		d.y2[lane] = _band_mem[3][chain];
		d.gain[lane] = _gain_g0;
		d.gain_step[lane] = (_gain_g1 - _gain_g0) * inv_len;
	}
	write_band_lanes(d, slot);
	// Channel 0 (even lane) to left and right, channel 1 (odd lane) likewise.
	const dsp::StereoLevel &m0 = _pan_mat_old;
	const dsp::StereoLevel &m1 = _pan_mat;
	const float to_l[2][2] = {{m0.get_l2l(), m1.get_l2l()}, {m0.get_r2l(), m1.get_r2l()}};
	const float to_r[2][2] = {{m0.get_l2r(), m1.get_l2r()}, {m0.get_r2r(), m1.get_r2r()}};
	for (int chn = 0; chn < 2; ++chn)
	{
		const int lane = 2 * slot + chn;
		d.to_l[lane] = to_l[chn][0];
		d.to_l_step[lane] = (to_l[chn][1] - to_l[chn][0]) * inv_len;
		d.to_r[lane] = to_r[chn][0];
		d.to_r_step[lane] = (to_r[chn][1] - to_r[chn][0]) * inv_len;
	}
}

// While the band moves, it takes each sub-block's setting from where the
// sweep is at the sub-block's end.
void PhasedVoice::set_band_lanes(VoiceLanes::Data &d, int slot, long sub)
{
	if (!_band_on || !_band_dirty)
	{
		return;
	}
	const double r_sub = double(std::min((sub + 1) * BAND_SUB_BLOCK, _frame_len)) / double(_frame_len);
	const double f = _band_freq_old + r_sub * (double(_band_freq) - _band_freq_old);
	const long last_sub = long(std::size(_band_q_sub)) - 1;
	_band.set_freq(float(f));
	_band.set_p2(_band_q_sub[std::min(sub, last_sub)]);
	_band.update_eq();
	write_band_lanes(d, slot);
}

// The band filter's coefficients into the slot's lanes; off, the identity.
void PhasedVoice::write_band_lanes(VoiceLanes::Data &d, int slot) const
{
	float b[3] = {1, 0, 0};
	float a[3] = {1, 0, 0};
	if (_band_on)
	{
		_band.get_z_eq(b, a);
	}
	for (int lane = 2 * slot; lane < 2 * slot + 2; ++lane)
	{
		d.b0[lane] = b[0];
		d.b1[lane] = b[1];
		d.b2[lane] = b[2];
		d.a1[lane] = a[1];
		d.a2[lane] = a[2];
	}
}

void PhasedVoice::store_lanes(const VoiceLanes::Data &d, int slot)
{
	NetLanes &nl = _net_lanes[size_t(_net_index)];
	const int nbr_units = nl.nbr_units;
	const int cell0 = d.cell;
	for (int chain = 0; chain < 2; ++chain)
	{
		const int lane = 2 * slot + chain;
		for (int k = 0; k < nbr_units; ++k)
		{
			nl.r[0][chain][k] = d.r[k][cell0][lane];
			nl.r[1][chain][k] = d.r[k][cell0 ^ 1][lane];
		}
		nl.u_last[chain] = d.u_last[lane];
		nl.u_last2[chain] = d.u_last2[lane];
		// Off, the band runs as the identity only because another voice's
		// is on: what went through is not its history.
		if (_band_on)
		{
			_band_mem[0][chain] = d.x1[lane];
			_band_mem[1][chain] = d.x2[lane];
			_band_mem[2][chain] = d.y1[lane];
			_band_mem[3][chain] = d.y2[lane];
		}
	}
	const int lane = 2 * slot;
	_osc.set_phasor(d.osc_c[lane], d.osc_s[lane]);
	_fdbk_state = d.fdbk_state[lane];
	end_frame();
}

bool PhasedVoice::is_state_finite() const noexcept
{
	for (const NetLanes &nl : _net_lanes)
	{
		for (const auto &cell : nl.r)
		{
			for (const auto &chain : cell)
			{
				for (float v : chain)
				{
					if (!std::isfinite(v))
					{
						return false;
					}
				}
			}
		}
		for (int chain = 0; chain < 2; ++chain)
		{
			if (!std::isfinite(nl.u_last[chain]) || !std::isfinite(nl.u_last2[chain]))
			{
				return false;
			}
		}
	}
	for (const auto &mem : _band_mem)
	{
		if (!std::isfinite(mem[0]) || !std::isfinite(mem[1]))
		{
			return false;
		}
	}
	return std::isfinite(_fdbk_state);
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
		set_colour_phasor(_colour);
	}
}

void PhasedVoice::set_colour_phasor(float colour)
{
	_col_cos = float(std::cos(TWO_PI * colour));
	_col_sin = float(std::sin(TWO_PI * colour));
	_col_phasor_of = colour;
}
