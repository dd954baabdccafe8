#include "editor/PresetTimeFaderListener.h"

#include "editor/PresetListenerRefList.h"
#include "editor/PresetTimeDisplayListener.h"

#include <algorithm>
#include <cmath>

namespace rivo
{

namespace
{

constexpr double LN_100 = 4.605170185988092;

}  // namespace

double PresetTimeFaderListener::denormalize_time(double x)
{
	return (std::exp(x * LN_100) - 1) / (std::exp(LN_100) - 1) * MAX_TIME;
}

double PresetTimeFaderListener::normalize_time(double t)
{
	return std::log(1 + t / MAX_TIME * (std::exp(LN_100) - 1)) / LN_100;
}

double PresetTimeFaderListener::change_num_val(double val, int prio)
{
	val = DefaultEventListener::change_num_val(val, prio);
	_time = std::clamp(denormalize_time(val), 0.0, MAX_TIME);
	if (_refs._display_ptr != nullptr)
	{
		_refs._display_ptr->show_time(_time);
	}
	return val;
}

}  // namespace rivo
