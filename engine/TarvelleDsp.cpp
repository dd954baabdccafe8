// The audio engine.
#include "engine/TarvelleDsp.h"

#include "dsp/BasicMixing.h"
#include "midi/MidiMgr.h"
#include "params/HostDspInterface.h"
#include "params/ProgramSlot.h"
#include "sys/ByteOrder.h"

#include <xmmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{

// Flush-to-zero and denormals-are-zero for the duration of a processing call;
// the host's own setting comes back afterwards.
class DenormalGuard
{
public:
	DenormalGuard() noexcept : _saved(_mm_getcsr())
	{
		_mm_setcsr(_saved | 0x8040u);  // FTZ (bit 15) and DAZ (bit 6)
	}
	~DenormalGuard()
	{
		_mm_setcsr(_saved);
	}
	DenormalGuard(const DenormalGuard &) = delete;
	DenormalGuard &operator=(const DenormalGuard &) = delete;

private:
	unsigned int _saved;
};

constexpr float DC_BLOCKER_FREQ = 10;

}  // namespace

TarvelleDsp::TarvelleDsp()
{
	_in_pin.set_name("Input");
	_in_pin.set_chn_name(0, "Left input");
	_in_pin.set_chn_name(1, "Right input");
	_out_pin.set_name("Output");
	_out_pin.set_chn_name(0, "Left output");
	_out_pin.set_chn_name(1, "Right output");
	// Room for any program name, so a program change allocates nothing.
	_prog_name.reserve(rivo::ProgramSlot::NAME_FIELD_LEN);
}

int TarvelleDsp::init()
{
	get_time_unit().set_unit(rivo::TimeUnit::UnitType_BEAT);
	if (_host_ptr != nullptr)
	{
		_host_ptr->init();
	}

	auto *tempo_ptr = new ParamTempo;
	tempo_ptr->init(120, 0, get_time_unit());
	_tempo_ptr = tempo_ptr;
	register_param(ParamPtr(tempo_ptr));
	auto *vol_ptr = new ParamMasterVol;
	vol_ptr->init(1.0, 0, "Master Vol");
	_master_vol_ptr = vol_ptr;
	register_param(ParamPtr(vol_ptr));
	_tempo_ptr->set_notification_target(&_tempo_flag);
	_master_vol_ptr->set_notification_target(&_master_vol_flag);

	update_host_tempo_capability();

	_pre_filter.init(*this);
	PhasedVoice::load_saturators(_lanes.use_data());
	for (int k = 0; k < NBR_VOICES; ++k)
	{
		_voice_arr[size_t(k)].init(k, *this);
	}

	for (auto &dc : _dc_blocker_arr)
	{
		dc.set_freq(DC_BLOCKER_FREQ);
		dc.set_gain(0);
		dc.make_low_shelf();
	}
	_clip_detector.activate_detection(false);
	set_sample_freq(DEFAULT_SAMPLE_FREQ);
	// With a MIDI path, NRPN i drives parameter i until settings say more.
	if (rivo::MidiMgr *midi_ptr = (_host_ptr != nullptr) ? _host_ptr->use_midi_interface() : nullptr)
	{
		midi_ptr->set_persistent_midi_settings(PLUGIN_NAME);
		midi_ptr->set_default_nrpn_mapping();
	}
	return 0;
}

void TarvelleDsp::update_host_tempo_capability()
{
	const double can_tempo = (_host_ptr != nullptr) ? _host_ptr->get_property("can_tempo") : 0.0;
	_tempo_ptr->set_can_host_do_tempo(can_tempo != 0);
}

void TarvelleDsp::set_default_state()
{
	_tempo_ptr->set_from_normalized(_tempo_ptr->normalize_val(120));
	_master_vol_ptr->set_from_normalized(_master_vol_ptr->normalize_val(1.0));
	clear_buffers();
	_pre_filter.set_default_state();
	for (auto &voice : _voice_arr)
	{
		voice.set_default_state();
	}
}

void TarvelleDsp::restore()
{
	_pre_filter.restore();
	for (auto &voice : _voice_arr)
	{
		voice.restore();
	}
}

void TarvelleDsp::set_sample_freq(float fs)
{
	if (!(fs > 0))
	{
		return;
	}
	if (fs < MIN_RUN_SAMPLE_FREQ)
	{
		fs = MIN_RUN_SAMPLE_FREQ;
	}
	else if (fs > float(MAX_SAMPLE_FREQ))
	{
		fs = float(MAX_SAMPLE_FREQ);
	}
	_sample_freq = fs;
	_pre_filter.set_sample_freq(fs);
	for (auto &voice : _voice_arr)
	{
		voice.set_sample_freq(fs);
	}
	for (auto &dc : _dc_blocker_arr)
	{
		dc.set_sample_freq(fs);
		dc.make_low_shelf();
	}
}

void TarvelleDsp::send_scalar_msg(int msg, float val)
{
	const int index = msg - LFO_PHASE_MSG;
	if (index < 0 || index >= get_nbr_registered_lfo() || !std::isfinite(val))
	{
		return;
	}
	if (val == 1.0f)
	{
		val = 0.0f;
	}
	use_registered_lfo(index).set_phase(val);
}

double TarvelleDsp::get_property(const char *key_0) const
{
	if (std::strcmp(key_0, "can_mono") == 0 || std::strcmp(key_0, "plugin_version") == 0)
	{
		return 1.0;
	}
	return 0.0;
}

std::string TarvelleDsp::get_string_property(const char *key_0) const
{
	if (std::strcmp(key_0, "plugin_name") == 0)
	{
		return PLUGIN_NAME;
	}
	if (std::strcmp(key_0, "plugin_category") == 0)
	{
		return "effect";
	}
	return std::string();
}

void TarvelleDsp::clear_buffers()
{
	_clear_request.store(true, std::memory_order_release);
	update_host_tempo_capability();
}

void TarvelleDsp::set_tempo(float bpm)
{
	if (!std::isfinite(bpm) || bpm <= 0)
	{
		return;
	}
	while (bpm < float(ParamTempo::MIN_TEMPO))
	{
		bpm *= 2;
	}
	while (bpm > float(ParamTempo::MAX_TEMPO))
	{
		bpm = float(bpm * 0.5f);
	}
	_tempo_ptr->force_tempo(bpm);
}

void TarvelleDsp::do_set_program(const rivo::ProgramSlot &slot)
{
	const int nbr = std::min(slot.get_nbr_param(), NBR_PARAM);
	for (int i = 0; i < nbr; ++i)
	{
		const float n = slot.get_parameter(i);
		const ParamPtr &p = get_param_ref(i);
		if (n != p->get_nval())
		{
			p->set_from_normalized(n);
		}
	}
	if (slot.get_extra_byte_size() >= EXTRA_BYTES)
	{
		const unsigned char *buf_ptr = slot.use_extra_byte_buf();
		for (int k = 0; k < NBR_VOICES; ++k)
		{
			_voice_arr[size_t(k)].set_osc_phase(basic::read_be_float(buf_ptr + 4 * k));
		}
	}
}

void TarvelleDsp::do_get_program(rivo::ProgramSlot &slot)
{
	slot.set_nbr_param(NBR_PARAM);
	for (int i = 0; i < NBR_PARAM; ++i)
	{
		slot.set_parameter(i, get_param_ref(i)->get_nval());
	}
	slot.set_extra_byte_size(EXTRA_BYTES);
	unsigned char *buf_ptr = slot.use_extra_byte_buf();
	for (int k = 0; k < NBR_VOICES; ++k)
	{
		basic::write_be_float(buf_ptr + 4 * k, _voice_arr[size_t(k)].get_osc_phase());
	}
}

bool TarvelleDsp::do_process_replacing(float **out, const float **in, long nbr_spl, bool /*flag*/)
{
	_accumulate = false;
	process_block(out, in, nbr_spl);
	return false;
}

bool TarvelleDsp::do_process_mix(float **out, const float **in, long nbr_spl, bool /*flag*/)
{
	_accumulate = true;
	process_block(out, in, nbr_spl);
	return false;
}

void TarvelleDsp::tick(long nbr_spl)
{
	update_param();
	_pre_filter.tick(nbr_spl);
	for (auto &voice : _voice_arr)
	{
		voice.tick(nbr_spl);
	}
}

void TarvelleDsp::sync_clear_buffers()
{
	_clear_request.store(false, std::memory_order_relaxed);
	do_clear();
}

void TarvelleDsp::do_clear()
{
	_frame_pos = 0;
	update_param();
	_pre_filter.clear_buffers();
	for (auto &voice : _voice_arr)
	{
		voice.clear_buffers();
	}
	for (auto &dc : _dc_blocker_arr)
	{
		dc.clear_buffers();
	}
}

void TarvelleDsp::update_param()
{
	if (_tempo_flag.take())
	{
		_pre_filter.report_tempo_change();
		for (auto &voice : _voice_arr)
		{
			voice.report_tempo_change();
		}
		update_tempo_lfos();
	}
	if (_master_vol_flag.take())
	{
		_master_vol = float(_master_vol_ptr->get_val());
		_pre_filter.set_master_vol(_master_vol);
		for (auto &voice : _voice_arr)
		{
			voice.set_master_vol(_master_vol);
		}
	}
}

void TarvelleDsp::process_block(float **out, const float **in, long nbr_spl)
{
	if (out == nullptr || in == nullptr || nbr_spl <= 0 || _sample_freq <= 0)
	{
		return;
	}
	const DenormalGuard denormal_guard;
	if (_clear_request.exchange(false, std::memory_order_acquire))
	{
		do_clear();
	}
	_stereo_in = (_host_ptr == nullptr) || _host_ptr->is_input_connected(0, 1);
	_stereo_out = (_host_ptr == nullptr) || _host_ptr->is_output_connected(0, 1);
	for (long pos = 0; pos < nbr_spl;)
	{
		if (_frame_pos == 0)
		{
			start_frame();
		}
		const long len = std::min(long(FRAME_LEN) - _frame_pos, nbr_spl - pos);
		float *out_arr[2] = {out[0] + pos, _stereo_out ? out[1] + pos : nullptr};
		const float *in_arr[2] = {in[0] + pos, _stereo_in ? in[1] + pos : nullptr};
		process_frame(out_arr, in_arr, len);
		_frame_pos = (_frame_pos + len) % FRAME_LEN;
		pos += len;
	}
}

void TarvelleDsp::start_frame()
{
	tick(FRAME_LEN);
	_nbr_active = 0;
	for (auto &voice : _voice_arr)
	{
		if (voice.begin_frame(FRAME_LEN))
		{
			_active_arr[_nbr_active++] = &voice;
		}
	}
	_lanes.clear_slots();
	VoiceLanes::Data &d = _lanes.use_data();
	for (int v = 0; v < _nbr_active; ++v)
	{
		const PhasedVoice &voice = *_active_arr[v];
		d.nbr_units = std::max(d.nbr_units, voice.get_nbr_units());
		d.fdbk = d.fdbk || voice.has_fdbk();
		d.band = d.band || voice.has_band();
	}
	d.width = (_nbr_active <= 1) ? 2 : ((_nbr_active == 2) ? 4 : 8);
	for (int v = 0; v < _nbr_active; ++v)
	{
		_active_arr[v]->load_lanes(d, v);
	}
	_band_sub_set = -1;
}

void TarvelleDsp::copy_sanitized(float *dst_ptr, const float *src_ptr, long nbr_spl) noexcept
{
	for (long i = 0; i < nbr_spl; ++i)
	{
		// x - x is NaN for infinities and NaN, 0 otherwise: a test the
		// compiler vectorises, where it keeps std::isfinite scalar.
		const float x = src_ptr[i];
		const float z = x - x;
		dst_ptr[i] = (z == z) ? x : 0.0f;
	}
}

void TarvelleDsp::process_frame(float **out, const float **in, long nbr_spl)
{
	// The host's buffers may be shared between input and output, and may hold
	// NaN or infinities: the engine works on a cleaned copy.
	copy_sanitized(_in_buf[0].data(), in[0], nbr_spl);
	if (_stereo_in)
	{
		copy_sanitized(_in_buf[1].data(), in[1], nbr_spl);
	}
	const float *in_arr[2] = {_in_buf[0].data(), _stereo_in ? _in_buf[1].data() : nullptr};
	if (_stereo_out)
	{
		process_frame_dest_stereo(out, in_arr, nbr_spl);
	}
	else
	{
		process_frame_dest_mono(out[0], in_arr, nbr_spl);
	}
}

void TarvelleDsp::process_frame_dest_stereo(float **out, const float *const in_ptr_arr[2], long nbr_spl)
{
	float *bus_arr[2] = {_bus_buf[0].data(), _bus_buf[1].data()};
	if (_stereo_in)
	{
		_pre_filter.process_block_2_2(_tone_buf.data(), bus_arr, in_ptr_arr, nbr_spl, _frame_pos);
	}
	else
	{
		_pre_filter.process_block_1_1(_tone_buf.data(), bus_arr[0], in_ptr_arr[0], nbr_spl, _frame_pos);
		dsp::BasicMixing::copy_1_1(bus_arr[1], bus_arr[0], nbr_spl);
	}
	process_frame_voice_mix(bus_arr[0], bus_arr[1], _tone_buf.data(), nbr_spl);
	if (_accumulate)
	{
		dsp::BasicMixing::mix_2_2(out[0], out[1], bus_arr[0], bus_arr[1], nbr_spl);
	}
	else
	{
		dsp::BasicMixing::copy_2_2(out[0], out[1], bus_arr[0], bus_arr[1], nbr_spl);
	}
}

void TarvelleDsp::process_frame_dest_mono(float *out_ptr, const float *const in_ptr_arr[2], long nbr_spl)
{
	float *bus_ptr = _bus_buf[0].data();
	if (_stereo_in)
	{
		_pre_filter.process_block_2_1(_tone_buf.data(), bus_ptr, in_ptr_arr, nbr_spl, _frame_pos);
	}
	else
	{
		_pre_filter.process_block_1_1(_tone_buf.data(), bus_ptr, in_ptr_arr[0], nbr_spl, _frame_pos);
	}
	process_frame_voice_mix(bus_ptr, bus_ptr, _tone_buf.data(), nbr_spl);
	if (_accumulate)
	{
		dsp::BasicMixing::mix_1_1(out_ptr, bus_ptr, nbr_spl);
	}
	else
	{
		dsp::BasicMixing::copy_1_1(out_ptr, bus_ptr, nbr_spl);
	}
}

void TarvelleDsp::process_frame_voice_mix(float *left_ptr, float *right_ptr, const float *tone_ptr, long nbr_spl)
{
	// The band filters may move once per sub-block: the lanes run sub-block by sub-block.
	for (long done = 0; done < nbr_spl && _nbr_active > 0;)
	{
		const long pos = _frame_pos + done;
		const long sub = pos / PhasedVoice::BAND_SUB_BLOCK;
		const long len = std::min(nbr_spl - done, (sub + 1) * PhasedVoice::BAND_SUB_BLOCK - pos);
		if (sub != _band_sub_set)
		{
			_band_sub_set = sub;
			for (int v = 0; v < _nbr_active; ++v)
			{
				_active_arr[v]->set_band_lanes(_lanes.use_data(), v, sub);
			}
		}
		_lanes.run(tone_ptr + done, left_ptr + done, right_ptr + done, pos, len);
		done += len;
	}
	if (_frame_pos + nbr_spl >= FRAME_LEN)
	{
		for (int v = 0; v < _nbr_active; ++v)
		{
			_active_arr[v]->store_lanes(_lanes.use_data(), v);
		}
	}
	if (right_ptr != left_ptr)
	{
		dsp::OnePole::process_block_pair(_dc_blocker_arr[0], _dc_blocker_arr[1], left_ptr, right_ptr, nbr_spl);
		_clip_detector.process_block(left_ptr, nbr_spl);
		_clip_detector.process_block(right_ptr, nbr_spl);
	}
	else
	{
		_dc_blocker_arr[0].process_block(left_ptr, left_ptr, nbr_spl);
		_clip_detector.process_block(left_ptr, nbr_spl);
	}
}
