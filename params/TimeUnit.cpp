// Time base following the tempo, and its texts.
#include "params/TimeUnit.h"

#include "sys/basic_fnc.h"

#include <cstddef>
#include <cmath>
#include <cstdio>

namespace rivo
{

const char *const TimeUnit::UNIT_TXT[UnitType_NBR_ELT] = {"s", "beat", "ms"};

namespace
{

int nbr_digits(long v)
{
	int n = 1;
	for (; v >= 10; v /= 10)
	{
		++n;
	}
	return n;
}

bool is_valid_time(double v)
{
	return std::isfinite(v) && v >= 0;
}

}  // namespace

void TimeUnit::set_tempo(double bpm) noexcept
{
	if (std::isfinite(bpm) && bpm > 0)
	{
		_tempo.store(bpm, std::memory_order_relaxed);
	}
}

void TimeUnit::set_unit(UnitType unit) noexcept
{
	if (unit >= 0 && unit < UnitType_NBR_ELT)
	{
		_unit.store(unit, std::memory_order_relaxed);
	}
}

double TimeUnit::convert_beats_to_time(double beats) const noexcept
{
	return beats * 60 / get_tempo();
}

double TimeUnit::convert_time_to_beats(double seconds) const noexcept
{
	return seconds * get_tempo() / 60;
}

double TimeUnit::convert_time(double seconds) const noexcept
{
	switch (get_unit())
	{
	case UnitType_BEAT: return convert_time_to_beats(seconds);
	case UnitType_MS: return seconds * 1000;
	default: return seconds;
	}
}

double TimeUnit::scan_time(const char *txt_0, bool &ok) const
{
	ok = true;
	UnitType unit = get_unit();
	// "beat" is looked for first: "beats" would otherwise be read as seconds.
	if (basic::search_str_ci("beat", txt_0) >= 0)
	{
		unit = UnitType_BEAT;
	}
	else if (basic::search_str_ci("ms", txt_0) >= 0)
	{
		unit = UnitType_MS;
	}
	else if (basic::search_str_ci("s", txt_0) >= 0)
	{
		unit = UnitType_S;
	}

	double val = 0;
	if (unit == UnitType_S || unit == UnitType_MS)
	{
		if (std::sscanf(txt_0, "%lf", &val) != 1 || !is_valid_time(val))
		{
			ok = false;
			return 0;
		}
		return unit == UnitType_MS ? val * 0.001 : val;
	}

	double a = 0;
	double b = 0;
	double c = 0;
	char sep_1[16] = {};
	char sep_2[16] = {};
	const int nbr = std::sscanf(txt_0, "%lf%15[/ ]%lf%15[/ ]%lf", &a, sep_1, &b, sep_2, &c);
	if (nbr >= 1 && !is_valid_time(a))
	{
		ok = false;
	}
	else if (nbr == 1 || nbr == 2)
	{
		val = a;
	}
	else if ((nbr == 3 || nbr == 4) && is_valid_time(b) && std::fabs(b) >= 1e-9)
	{
		val = a / b;
	}
	else if (nbr == 5 && is_valid_time(b) && is_valid_time(c) && std::fabs(c) >= 1e-9)
	{
		val = a + b / c;
	}
	else
	{
		ok = false;
	}
	if (!ok)
	{
		return 0;
	}
	return convert_beats_to_time(val);
}

void TimeUnit::print_time(char *buf_ptr, long len, double seconds, int width) const
{
	if (len < 1)
	{
		return;
	}
	const double val = convert_time(seconds);
	if (get_unit() == UnitType_BEAT && is_valid_time(val))
	{
		print_beats(buf_ptr, len, val, width);
	}
	else
	{
		// Significant digits follow the width, so binary noise (0.30000000000000004)
		// never shows and a 6-character field shows 300 rather than 300.003.
		const int prec = width - 1 < 1 ? 1 : (width - 1 > 15 ? 15 : width - 1);
		std::snprintf(buf_ptr, size_t(len), "%.*g", prec, val);
	}
}

void TimeUnit::print_beats(char *buf_ptr, long len, double beats, int width) const
{
	static const int denom_list[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 20, 24, 32, 48, 64, 96, 128, 192, 256};

	if (beats >= 1e9)
	{
		std::snprintf(buf_ptr, size_t(len), "%.0f", std::floor(beats + 0.5));
		return;
	}
	const long whole = long(std::floor(beats));
	const double frac = beats - double(whole);

	// Digits left for "num/den" once the whole part and its blank are written.
	const int budget = (whole > 0) ? width - nbr_digits(whole) - 1 : width;
	long best_num = 0;
	long best_den = 1;
	double best_err = frac;  // the whole part alone
	if (1 - frac < best_err)
	{
		best_num = 1;
		best_err = 1 - frac;
	}
	for (const int den : denom_list)
	{
		const long num = long(std::floor(frac * den + 0.5));
		if (num <= 0 || num >= den)
		{
			continue;
		}
		if (nbr_digits(num) + 1 + nbr_digits(den) > budget)
		{
			break;
		}
		const double err = std::fabs(frac - double(num) / den);
		if (err < best_err - 1e-12)
		{
			best_err = err;
			best_num = num;
			best_den = den;
		}
	}

	if (best_num == best_den)
	{
		std::snprintf(buf_ptr, size_t(len), "%ld", whole + 1);
	}
	else if (best_num == 0)
	{
		std::snprintf(buf_ptr, size_t(len), "%ld", whole);
	}
	else if (whole > 0)
	{
		std::snprintf(buf_ptr, size_t(len), "%ld %ld/%ld", whole, best_num, best_den);
	}
	else
	{
		std::snprintf(buf_ptr, size_t(len), "%ld/%ld", best_num, best_den);
	}
}

}  // namespace rivo
