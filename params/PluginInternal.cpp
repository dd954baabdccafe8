// Parameter and LFO registry.
#include "params/PluginInternal.h"

namespace rivo
{

void PluginInternal::register_param(ParamPtr param_ptr)
{
	_param_list.push_back(param_ptr);
	++_nbr_param;
}

void PluginInternal::register_lfo(FullLfoParamBase &lfo)
{
	_lfo_list.push_back(&lfo);
}

TimeUnit &PluginInternal::get_time_unit()
{
	return _time_unit;
}

void PluginInternal::update_tempo_lfos()
{
	for (FullLfoParamBase *lfo_ptr : _lfo_list)
	{
		lfo_ptr->update_time();
	}
}

}  // namespace rivo
