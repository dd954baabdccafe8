// A modulated parameter: the parameter, its LFO period, waveform and depth,
// a smoother for its value, the LFO, and the owner's modifier that combines
// the smoothed value with the LFO output.
#pragma once

#include "dsp/Lfo.h"
#include "dsp/ParamInertia.h"
#include "params/FullLfoParamBase.h"
#include "params/ParamLfoDepth.h"
#include "params/ParamLfoPer.h"
#include "params/ParamLfoWf.h"
#include "params/PluginInternal.h"

#include <atomic>

namespace rivo
{

template <class Modifier, int UNIT = TimeUnit::UnitType_BEAT, class AmpModifier = FullLfoParamBase::DefaultAmpModifier>
class FullLfoParam : public FullLfoParamBase
{
public:
	using ParamPtr = basic::SharedPtr<NormalizedParamInterface>;
	static constexpr int NAME_LEN = 128;

	// Registers p and its three sub-parameters (automation level: p's plus tag_offset).
	void init(ParamPtr p, PluginInternal &registry, int tag_offset)
	{
		const int tag = p->get_automation_level() + tag_offset;
		init(p, registry, tag, tag, tag);
	}

	void init(ParamPtr p, PluginInternal &registry, int tag_wf, int tag_per, int tag_depth)
	{
		_time_unit_ptr = &registry.get_time_unit();
		_param = p;
		char name_0[NAME_LEN];
		p->get_name(name_0, NAME_LEN);

		auto *wf_ptr = new ParamLfoWf;
		auto *per_ptr = new ParamLfoPer<UNIT>;
		auto *depth_ptr = new ParamLfoDepth;
		const ParamPtr wf_sp(wf_ptr);
		const ParamPtr per_sp(per_ptr);
		const ParamPtr depth_sp(depth_ptr);
		wf_ptr->init(0, tag_wf, name_0);
		per_ptr->set_time_unit(*_time_unit_ptr);
		per_ptr->init(1, tag_per, name_0);
		depth_ptr->init(0, tag_depth, name_0);
		_wf_ptr = wf_ptr;
		_per_ptr = per_ptr;
		_depth_ptr = depth_ptr;

		for (NormalizedParamInterface *q : {p.get(), per_sp.get(), wf_sp.get(), depth_sp.get()})
		{
			q->set_notification_target(this);
		}
		registry.register_param(p);
		registry.register_param(per_sp);
		registry.register_param(wf_sp);
		registry.register_param(depth_sp);
		registry.register_lfo(*this);

		reset_lfo();
		_smoother.force_val(float(p->get_val()));
		update_val();
	}

	void set_sample_freq(float fs) noexcept
	{
		_lfo.set_sample_freq(fs);
		_lfo.update_param();
		_smoother.set_sample_freq(fs);
	}
	void set_inertia_time(float t) noexcept
	{
		_smoother.set_inertia_time(t);
	}

	// The parameter takes val, the LFO its defaults (waveform 0, 1 beat, depth 0),
	// then everything restarts as in reset().
	void set_default_state(double val)
	{
		_param->set_from_normalized(_param->normalize_val(val));
		_wf_ptr->set_from_normalized(0);
		_per_ptr->set_from_normalized(_per_ptr->normalize_val(1.0));
		_depth_ptr->set_from_normalized(0);
		reset();
	}

	// Back to the parameters' current state: the smoother jumps, waveform and
	// period are re-read, the LFO starts over, the owner is told.
	void reset()
	{
		_smoother.force_val(float(_param->get_val()));
		reset_lfo();
		_dirty.store(false, std::memory_order_relaxed);
		update_val();
		notify_target();
	}

	// FullLfoParamBase
	void set_phase(float periods) override
	{
		_phase_to_set.store(periods, std::memory_order_relaxed);
		_phase_pending.store(true, std::memory_order_release);
	}
	void update_time() override
	{
		_lfo.set_period(_per_ptr->to_seconds(_per_ptr->get_val()));
		_lfo.update_param();
	}

	// NotifiedInterface: one of the four parameters changed (any thread).
	void notify(NotifierInterface &source) override
	{
		if (&source == static_cast<NotifierInterface *>(_param.get()))
		{
			_target_changed.store(true, std::memory_order_release);
		}
		_dirty.store(true, std::memory_order_release);
		notify_target();
	}

	// Control step of one frame of nbr_spl samples (audio thread).
	void tick(long nbr_spl)
	{
		bool dirty = take(_dirty);
		if (take(_target_changed))
		{
			_smoother.set_val(float(_param->get_val()));
		}
		if (dirty)
		{
			_lfo.set_type(ParamLfoWf::get_lfo_type(_wf_ptr->get_val()));
			update_time();
			_lfo.set_amp(float(_depth_ptr->get_val()));
		}
		if (take(_phase_pending))
		{
			dirty = true;
			_lfo.set_phase(dsp::Lfo::PHASE_LEN * double(_phase_to_set.load(std::memory_order_relaxed)));
		}
		_smoother.tick(nbr_spl);
		if (_lfo.get_amp() > 0)
		{
			_lfo.tick(nbr_spl);
			dirty = true;
			notify_target();
		}
		else if (_smoother.get_val() != float(_mod_val))
		{
			dirty = true;
			notify_target();
		}
		if (dirty)
		{
			update_val();
		}
	}

	// The value the owner uses, read after its flag was raised.
	double get_val() const noexcept
	{
		return _mod_val;
	}
	NormalizedParamInterface &use_param() const noexcept
	{
		return *_param;
	}
	ParamLfoWf &use_wf_param() const noexcept
	{
		return *_wf_ptr;
	}
	ParamLfoPer<UNIT> &use_per_param() const noexcept
	{
		return *_per_ptr;
	}
	ParamLfoDepth &use_depth_param() const noexcept
	{
		return *_depth_ptr;
	}
	const dsp::Lfo &use_lfo() const noexcept
	{
		return _lfo;
	}

private:
	// Lowers a flag raised by another thread and tells whether it was up. A
	// flag that is down costs a plain load, not a locked exchange: the audio
	// thread looks at every flag of every LFO at every control step.
	static bool take(std::atomic<bool> &flag) noexcept
	{
		return flag.load(std::memory_order_relaxed) && flag.exchange(false, std::memory_order_acq_rel);
	}

	void reset_lfo() noexcept
	{
		_lfo.set_amp(float(_depth_ptr->get_val()));
		_lfo.set_type(ParamLfoWf::get_lfo_type(_wf_ptr->get_val()));
		update_time();
		_lfo.clear_buffers();
	}

	void update_val() noexcept
	{
		const float depth = _lfo.get_amp();
		if (depth > 0)
		{
			_mod_val = Modifier()(_smoother.get_val_dbl(), AmpModifier()(_lfo.get_raw_value(), depth));
		}
		else
		{
			_mod_val = _smoother.get_val();
		}
	}

	const TimeUnit *_time_unit_ptr = nullptr;
	ParamPtr _param;
	ParamLfoWf *_wf_ptr = nullptr;
	ParamLfoPer<UNIT> *_per_ptr = nullptr;
	ParamLfoDepth *_depth_ptr = nullptr;
	dsp::Lfo _lfo;
	dsp::ParamInertia _smoother;
	double _mod_val = 0;
	// Raised by control threads after the values they publish (release),
	// served by tick on the audio thread before it reads them (acquire).
	std::atomic<bool> _dirty{false};
	std::atomic<bool> _target_changed{false};
	std::atomic<bool> _phase_pending{false};
	std::atomic<float> _phase_to_set{0};
};

}  // namespace rivo
