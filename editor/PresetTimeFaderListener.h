// The fade-time fader: position x (0..1) and time t (0..99 s) on a
// logarithmic scale, t = 100^x - 1.
#pragma once

#include "gui/DefaultEventListener.h"

namespace rivo
{

struct PresetListenerRefList;

class PresetTimeFaderListener : public ruvava::DefaultEventListener
{
public:
	static constexpr double MAX_TIME = 99;

	explicit PresetTimeFaderListener(PresetListenerRefList &refs) noexcept : _refs(refs) {}

	// Stores the time and shows it.
	double change_num_val(double val, int prio) override;
	double get_time() const noexcept
	{
		return _time;
	}
	static double denormalize_time(double x);
	static double normalize_time(double t);

private:
	PresetListenerRefList &_refs;
	double _time = 1;
};

}  // namespace rivo
