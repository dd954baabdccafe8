// A function approximated on [A, B] by one cubic per unit interval; constant
// outside. The table is built once per instantiation, at first construction.
#pragma once

#include "dsp/CubicSegment.h"

#include <cmath>

namespace dsp
{

template <int A, int B, class F>
class InterpFncFiniteAsym
{
	static_assert(A < B, "empty interval");

public:
	InterpFncFiniteAsym() noexcept : _tab_ptr(&use_table()) {}

	float operator()(float x) const noexcept
	{
		const Table &tab = *_tab_ptr;
		if (!(x > float(A)))  // NaN lands here too: a safe, finite value
		{
			return tab._val_a;
		}
		if (x >= float(B))
		{
			return tab._val_b;
		}
		const float pos = x - float(A);
		int index = int(pos);
		if (index > B - A - 1)
		{
			index = B - A - 1;
		}
		return tab._seg[index].eval(pos - float(index));
	}

	// The table, for code that evaluates it its own way.
	const CubicSegment &use_segment(int index) const noexcept
	{
		return _tab_ptr->_seg[index];
	}
	float get_val_lo() const noexcept
	{
		return _tab_ptr->_val_a;
	}
	float get_val_hi() const noexcept
	{
		return _tab_ptr->_val_b;
	}

private:
	struct Table
	{
		Table() noexcept
		{
			const F fnc{};
			for (int i = 0; i < B - A; ++i)
			{
				_seg[i].fit(fnc, double(A + i));
			}
			_val_a = float(fnc(double(A)));
			_val_b = float(fnc(double(B)));
		}
		CubicSegment _seg[B - A];
		float _val_a;
		float _val_b;
	};

	// Thread-safe one-time construction: instances may be made on any thread.
	static const Table &use_table() noexcept
	{
		static const Table table;
		return table;
	}

	// Cached so that the per-sample path skips the static's guard.
	const Table *_tab_ptr;
};

}  // namespace dsp
