// The engine-side registry of parameters and LFO groups, in index order.
#pragma once

#include "params/FullLfoParamBase.h"
#include "params/NormalizedParamInterface.h"
#include "params/TimeUnit.h"
#include "sys/SharedPtr.h"

#include <cstddef>
#include <deque>

namespace rivo
{

class PluginInternal
{
public:
	using ParamPtr = basic::SharedPtr<NormalizedParamInterface>;

	virtual ~PluginInternal() = default;

	// Appends the parameter; its index is the count before the call.
	virtual void register_param(ParamPtr param_ptr);
	// The group is not owned; it must outlive the registry's use of it.
	virtual void register_lfo(FullLfoParamBase &lfo);
	virtual TimeUnit &get_time_unit();
	// Every LFO group re-reads its period, in registration order.
	virtual void update_tempo_lfos();

	const TimeUnit &get_time_unit() const noexcept
	{
		return _time_unit;
	}
	int get_nbr_registered_param() const noexcept
	{
		return _nbr_param;
	}
	int get_nbr_registered_lfo() const noexcept
	{
		return int(_lfo_list.size());
	}
	// index below get_nbr_registered_param().
	const ParamPtr &use_registered_param(int index) const
	{
		return _param_list[size_t(index)];
	}
	// index below get_nbr_registered_lfo().
	FullLfoParamBase &use_registered_lfo(int index) const
	{
		return *_lfo_list[size_t(index)];
	}

private:
	std::deque<ParamPtr> _param_list;
	std::deque<FullLfoParamBase *> _lfo_list;
	int _nbr_param = 0;
	TimeUnit _time_unit;
};

}  // namespace rivo
