// A voice's oscillator period knob: besides being an editable parameter, it
// snaps to musical periods. In beats the notches are the table's durations;
// in seconds they are the same numbers taken as seconds, so the knob stops
// at round times whatever the tempo.
#pragma once

#include "editor/NumValListenerInterface.h"

#include <vector>

namespace rivo
{

class TimeUnit;

class TimeNotchListener : public NumValListenerInterface
{
public:
	// Durations of the table in beats (1/256 ... 256).
	static const double OSCRATE_NOTCH_LIST[];
	static const int OSCRATE_NOTCH_LIST_LEN;

	TimeNotchListener(const double *beats_ptr, int len) : _table(beats_ptr, beats_ptr + len) {}

	// Rebuilds the knob's notches for this unit and tempo.
	void change_time_unit(const TimeUnit &unit);
	const std::vector<double> &get_notches() const noexcept
	{
		return _notches;
	}

private:
	// The knob position of a period in beats; negative when out of range.
	double beats_to_norm_pos(double beats);

	std::vector<double> _table;
	std::vector<double> _notches;
};

}  // namespace rivo
