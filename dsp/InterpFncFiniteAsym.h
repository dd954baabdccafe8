// A function approximated on [A, B] by one cubic per unit interval; constant
// outside. The table is built once per instantiation, at first construction.
#pragma once

#include "dsp/CubicSegment.h"

#include <emmintrin.h>

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

	// Four arguments at once, lane by lane the same operations as above.
	__m128 eval4(__m128 x) const noexcept
	{
		const Table &tab = *_tab_ptr;
		const __m128 below = _mm_cmpnlt_ps(_mm_set1_ps(float(A)), x);  // !(x > A), NaN included
		const __m128 above = _mm_andnot_ps(below, _mm_cmpge_ps(x, _mm_set1_ps(float(B))));
		const __m128 pos = _mm_sub_ps(x, _mm_set1_ps(float(A)));
		// Out-of-range lanes read segment 0; their result is replaced below.
		const __m128 pos_in = _mm_andnot_ps(_mm_or_ps(below, above), pos);
		__m128i index = _mm_cvttps_epi32(pos_in);
		const __m128i last = _mm_set1_epi32(B - A - 1);
		const __m128i over = _mm_cmpgt_epi32(index, last);
		index = _mm_or_si128(_mm_and_si128(over, last), _mm_andnot_si128(over, index));
		const __m128 t = _mm_sub_ps(pos_in, _mm_cvtepi32_ps(index));
		alignas(16) int idx[4];
		_mm_store_si128(reinterpret_cast<__m128i *>(idx), index);
		const float *c0 = tab._seg[idx[0]].get_coefs();
		const float *c1 = tab._seg[idx[1]].get_coefs();
		const float *c2 = tab._seg[idx[2]].get_coefs();
		const float *c3 = tab._seg[idx[3]].get_coefs();
		__m128 r = _mm_setr_ps(c0[3], c1[3], c2[3], c3[3]);
		r = _mm_add_ps(_mm_setr_ps(c0[2], c1[2], c2[2], c3[2]), _mm_mul_ps(t, r));
		r = _mm_add_ps(_mm_setr_ps(c0[1], c1[1], c2[1], c3[1]), _mm_mul_ps(t, r));
		r = _mm_add_ps(_mm_setr_ps(c0[0], c1[0], c2[0], c3[0]), _mm_mul_ps(t, r));
		r = _mm_or_ps(_mm_and_ps(below, _mm_set1_ps(tab._val_a)), _mm_andnot_ps(below, r));
		r = _mm_or_ps(_mm_and_ps(above, _mm_set1_ps(tab._val_b)), _mm_andnot_ps(above, r));
		return r;
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
