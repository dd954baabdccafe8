// The tempo-dependent time base: seconds, beats or milliseconds, with time texts.
#pragma once

#include <atomic>

namespace rivo
{

class TimeUnit
{
public:
	enum UnitType
	{
		UnitType_S = 0,
		UnitType_BEAT = 1,
		UnitType_MS = 2,

		UnitType_NBR_ELT
	};

	static const char *const UNIT_TXT[UnitType_NBR_ELT];

	static constexpr double DEFAULT_TEMPO = 120;  // BPM

	TimeUnit() = default;
	TimeUnit(const TimeUnit &other) noexcept : _unit(other._unit.load()), _tempo(other._tempo.load()) {}
	TimeUnit &operator=(const TimeUnit &other) noexcept
	{
		_unit.store(other._unit.load());
		_tempo.store(other._tempo.load());
		return *this;
	}

	double get_tempo() const noexcept
	{
		return _tempo.load(std::memory_order_relaxed);
	}
	// A tempo that is not finite and positive is ignored.
	void set_tempo(double bpm) noexcept;
	UnitType get_unit() const noexcept
	{
		return _unit.load(std::memory_order_relaxed);
	}
	void set_unit(UnitType unit) noexcept;
	const char *get_unit_txt_0() const noexcept
	{
		return UNIT_TXT[get_unit()];
	}

	double convert_beats_to_time(double beats) const noexcept;
	double convert_time_to_beats(double seconds) const noexcept;
	// Seconds to the current unit.
	double convert_time(double seconds) const noexcept;

	// Parses a time text into seconds. "ms", "s" or "beat" in the text choose the
	// unit, otherwise the current one applies. Beats may be written "a", "a/b" or
	// "a b/c". ok is false for unparsable, negative or non-finite values.
	double scan_time(const char *txt_0, bool &ok) const;

	// Prints seconds in the current unit into buf_ptr (len bytes at most).
	// Beats print as the nearest fraction that fits in width characters.
	void print_time(char *buf_ptr, long len, double seconds, int width) const;

private:
	void print_beats(char *buf_ptr, long len, double beats, int width) const;

	// The tempo is written by whichever thread sets "Tempo" and read by the
	// audio thread: atomics, so no value is ever seen half-written.
	std::atomic<UnitType> _unit{UnitType_MS};
	std::atomic<double> _tempo{DEFAULT_TEMPO};
};

}  // namespace rivo
