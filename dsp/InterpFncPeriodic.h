// A function of period 1 approximated by 2^N cubics; evaluated with the
// argument in table units (2^N per period). Built once per instantiation.
#pragma once

#include "dsp/CubicSegment.h"

#include <cmath>

namespace dsp
{

template <int N, class F>
class InterpFncPeriodic
{
public:
	static constexpr int NBR_SEG = 1 << N;

	InterpFncPeriodic() noexcept : _tab_ptr(&use_table()) {}

	// x in table units, any value: the interval is floor(x) mod 2^N.
	float operator()(double x) const noexcept
	{
		const double fl = std::floor(x);
		const long long whole = static_cast<long long>(fl);
		const int index = int(whole & (NBR_SEG - 1));
		return (*_tab_ptr)[index].eval(float(x - fl));
	}

private:
	struct Table
	{
		Table() noexcept
		{
			const F fnc{};
			// Sample points are i / 2^N of the period; slopes are per table unit.
			auto at = [&fnc](double i) { return fnc(i / NBR_SEG); };
			for (int i = 0; i < NBR_SEG; ++i)
			{
				_seg[i].fit(at, double(i));
			}
		}
		const CubicSegment &operator[](int i) const noexcept
		{
			return _seg[i];
		}
		CubicSegment _seg[NBR_SEG];
	};

	static const Table &use_table() noexcept
	{
		static const Table table;
		return table;
	}

	// Cached so that the per-sample path skips the static's guard.
	const Table *_tab_ptr;
};

}  // namespace dsp
