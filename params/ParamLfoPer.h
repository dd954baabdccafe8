// LFO period, 1/64 to 256 beats on a logarithmic scale, shown as a time in
// the current time unit. UNIT is the unit of the real value (1: beats).
#pragma once

#include "params/ParamExpMixin.h"
#include "params/ParamLfoSubNamed.h"
#include "params/TimeUnit.h"

#include <cmath>

namespace rivo
{

template <int UNIT>
class ParamLfoPer : public ParamLfoSubNamed, public ParamExpMixin
{
	static_assert(UNIT >= 0 && UNIT < TimeUnit::UnitType_NBR_ELT, "bad time unit");

public:
	static constexpr double MIN_BEATS = 1.0 / 64;
	static constexpr double MAX_BEATS = 256;
	static constexpr int PRINT_WIDTH = 6;

	ParamLfoPer() : ParamLfoSubNamed(" LFO period"), ParamExpMixin(MIN_BEATS, MAX_BEATS) {}

	// The shared time base; not owned. Must be set before printing or parsing.
	void set_time_unit(const TimeUnit &time_unit) noexcept
	{
		_time_unit_ptr = &time_unit;
	}

	void get_unit(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, use_time_unit().get_unit_txt_0(), len);
	}
	void do_print_val(char *txt_ptr, long len, double val) const override
	{
		use_time_unit().print_time(txt_ptr, len, to_seconds(val), PRINT_WIDTH);
	}
	double do_scan_val(const char *txt_0, bool &ok) const override
	{
		const double sec = use_time_unit().scan_time(txt_0, ok);
		if (!ok)
		{
			return 0;
		}
		const double beats = use_time_unit().convert_time_to_beats(sec);
		return from_beats(beats < MIN_BEATS ? MIN_BEATS : (beats > MAX_BEATS ? MAX_BEATS : beats));
	}

	// The real value in seconds at the current tempo.
	double to_seconds(double val) const noexcept
	{
		switch (UNIT)
		{
		case TimeUnit::UnitType_BEAT: return use_time_unit().convert_beats_to_time(val);
		case TimeUnit::UnitType_MS: return val * 0.001;
		default: return val;
		}
	}

private:
	double from_beats(double beats) const noexcept
	{
		const double sec = use_time_unit().convert_beats_to_time(beats);
		switch (UNIT)
		{
		case TimeUnit::UnitType_BEAT: return beats;
		case TimeUnit::UnitType_MS: return sec * 1000;
		default: return sec;
		}
	}

	const TimeUnit &use_time_unit() const noexcept
	{
		return (_time_unit_ptr != nullptr) ? *_time_unit_ptr : _fallback;
	}

	const TimeUnit *_time_unit_ptr = nullptr;
	TimeUnit _fallback;  // keeps a parameter without time base usable
};

}  // namespace rivo
