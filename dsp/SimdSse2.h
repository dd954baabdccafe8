// Eight float lanes in two SSE2 registers, for processors without AVX2: the
// same operations as SimdAvx2, a fused multiply-add being a multiplication
// and an addition here. Internal linkage, as for SimdAvx2.
#pragma once

#include <emmintrin.h>

namespace dsp
{
namespace
{

struct SimdSse2
{
	struct V
	{
		__m128 lo;
		__m128 hi;
	};
	struct I
	{
		__m128i lo;
		__m128i hi;
	};
	static constexpr int WIDTH = 8;

	template <class F>
	static V each(V a, V b, F f) noexcept
	{
		return {f(a.lo, b.lo), f(a.hi, b.hi)};
	}

	static V load(const float *p) noexcept
	{
		return {_mm_load_ps(p), _mm_load_ps(p + 4)};
	}
	static void store(float *p, V v) noexcept
	{
		_mm_store_ps(p, v.lo);
		_mm_store_ps(p + 4, v.hi);
	}
	static V loadu(const float *p) noexcept
	{
		return {_mm_loadu_ps(p), _mm_loadu_ps(p + 4)};
	}
	static void storeu(float *p, V v) noexcept
	{
		_mm_storeu_ps(p, v.lo);
		_mm_storeu_ps(p + 4, v.hi);
	}
	static V set1(float x) noexcept
	{
		const __m128 v = _mm_set1_ps(x);
		return {v, v};
	}
	static V zero() noexcept
	{
		return {_mm_setzero_ps(), _mm_setzero_ps()};
	}
	static V add(V a, V b) noexcept
	{
		return each(a, b, [](__m128 x, __m128 y) { return _mm_add_ps(x, y); });
	}
	static V sub(V a, V b) noexcept
	{
		return each(a, b, [](__m128 x, __m128 y) { return _mm_sub_ps(x, y); });
	}
	static V mul(V a, V b) noexcept
	{
		return each(a, b, [](__m128 x, __m128 y) { return _mm_mul_ps(x, y); });
	}
	static V fma(V a, V b, V c) noexcept
	{
		return add(mul(a, b), c);
	}
	static V fms(V a, V b, V c) noexcept
	{
		return sub(mul(a, b), c);
	}
	static V fnma(V a, V b, V c) noexcept
	{
		return sub(c, mul(a, b));
	}
	static V even_odd(V a, V b) noexcept
	{
		const __m128 odd = _mm_castsi128_ps(_mm_setr_epi32(0, -1, 0, -1));
		auto f = [odd](__m128 x, __m128 y) { return _mm_or_ps(_mm_andnot_ps(odd, x), _mm_and_ps(odd, y)); };
		return each(a, b, f);
	}
	static V swap_pairs(V v) noexcept
	{
		return {_mm_shuffle_ps(v.lo, v.lo, 0xB1), _mm_shuffle_ps(v.hi, v.hi, 0xB1)};
	}
	static V dup_even(V v) noexcept
	{
		return {_mm_shuffle_ps(v.lo, v.lo, 0xA0), _mm_shuffle_ps(v.hi, v.hi, 0xA0)};
	}
	static V not_greater(V a, V b) noexcept
	{
		return each(a, b, [](__m128 x, __m128 y) { return _mm_cmpngt_ps(x, y); });
	}
	static V greater_equal(V a, V b) noexcept
	{
		return each(a, b, [](__m128 x, __m128 y) { return _mm_cmpge_ps(x, y); });
	}
	static V and_not(V mask, V v) noexcept
	{
		return each(mask, v, [](__m128 x, __m128 y) { return _mm_andnot_ps(x, y); });
	}
	static V and_mask(V a, V b) noexcept
	{
		return each(a, b, [](__m128 x, __m128 y) { return _mm_and_ps(x, y); });
	}
	static V select(V mask, V a, V b) noexcept
	{
		return {_mm_or_ps(_mm_and_ps(mask.lo, a.lo), _mm_andnot_ps(mask.lo, b.lo)),
		        _mm_or_ps(_mm_and_ps(mask.hi, a.hi), _mm_andnot_ps(mask.hi, b.hi))};
	}
	static I trunc_int(V v) noexcept
	{
		return {_mm_cvttps_epi32(v.lo), _mm_cvttps_epi32(v.hi)};
	}
	static V to_float(I i) noexcept
	{
		return {_mm_cvtepi32_ps(i.lo), _mm_cvtepi32_ps(i.hi)};
	}
	static V min(V a, V b) noexcept  // b where either is NaN, as the processor does
	{
		return each(a, b, [](__m128 x, __m128 y) { return _mm_min_ps(x, y); });
	}
	static V max(V a, V b) noexcept
	{
		return each(a, b, [](__m128 x, __m128 y) { return _mm_max_ps(x, y); });
	}
	// The whole part of v >= 0, whose truncation idx already is.
	static V floor_of(V, I idx) noexcept
	{
		return to_float(idx);
	}
	// Table of N entries (a power of two), index taken modulo N as the
	// register permutes of the wider paths take it: a lane outside the
	// table reads inside it all the same.
	template <int N>
	static V lookup(const float *tab, I idx) noexcept
	{
		alignas(16) int k[8];
		_mm_store_si128(reinterpret_cast<__m128i *>(k), idx.lo);
		_mm_store_si128(reinterpret_cast<__m128i *>(k + 4), idx.hi);
		auto at = [tab, &k](int i) { return tab[k[i] & (N - 1)]; };
		return {_mm_setr_ps(at(0), at(1), at(2), at(3)), _mm_setr_ps(at(4), at(5), at(6), at(7))};
	}
	static V lookup8(const float *tab, I idx) noexcept
	{
		return lookup<8>(tab, idx);
	}
	// Its lookups cost the same whatever the table: no halves to choose.
	static int half_of_32(I) noexcept
	{
		return -1;
	}
	static V lookup16(const float *tab, I idx) noexcept
	{
		return lookup<16>(tab, idx);
	}
	static V lookup32(const float *tab, I idx) noexcept
	{
		return lookup<32>(tab, idx);
	}
	static V shift_in(V v, float a, float b) noexcept
	{
		auto f = [](__m128 x, float e) {
			const __m128 up = _mm_castsi128_ps(_mm_slli_si128(_mm_castps_si128(x), 4));
			return _mm_move_ss(up, _mm_set_ss(e));
		};
		return {f(v.lo, a), f(v.hi, b)};
	}
	static void last_of_halves(float &a, float &b, V v) noexcept
	{
		a = _mm_cvtss_f32(_mm_shuffle_ps(v.lo, v.lo, 3));
		b = _mm_cvtss_f32(_mm_shuffle_ps(v.hi, v.hi, 3));
	}
	static void store_first(float *p, V v, int w) noexcept
	{
		if (w == 8)
		{
			store(p, v);
		}
		else if (w == 4)
		{
			_mm_store_ps(p, v.lo);
		}
		else
		{
			_mm_storel_pi(reinterpret_cast<__m64 *>(p), v.lo);
		}
	}
	// Sum of groups of four lanes of a, b, c, d: one result per argument.
	static __m128 sum4(__m128 a, __m128 b, __m128 c, __m128 d) noexcept
	{
		_MM_TRANSPOSE4_PS(a, b, c, d);
		return _mm_add_ps(_mm_add_ps(a, b), _mm_add_ps(c, d));
	}
	// Sum of pairs of lanes: a0+a1, a2+a3, b0+b1, b2+b3.
	static __m128 sum2(__m128 a, __m128 b) noexcept
	{
		return _mm_add_ps(_mm_shuffle_ps(a, b, 0x88), _mm_shuffle_ps(a, b, 0xDD));
	}
	template <int W>
	static V sum_groups(const V *p) noexcept
	{
		if constexpr (W == 8)
		{
			V r;
			r.lo = sum4(_mm_add_ps(p[0].lo, p[0].hi), _mm_add_ps(p[1].lo, p[1].hi), _mm_add_ps(p[2].lo, p[2].hi),
			            _mm_add_ps(p[3].lo, p[3].hi));
			r.hi = sum4(_mm_add_ps(p[4].lo, p[4].hi), _mm_add_ps(p[5].lo, p[5].hi), _mm_add_ps(p[6].lo, p[6].hi),
			            _mm_add_ps(p[7].lo, p[7].hi));
			return r;
		}
		else if constexpr (W == 4)
		{
			return {sum4(p[0].lo, p[0].hi, p[1].lo, p[1].hi), sum4(p[2].lo, p[2].hi, p[3].lo, p[3].hi)};
		}
		else
		{
			return {sum2(p[0].lo, p[0].hi), sum2(p[1].lo, p[1].hi)};
		}
	}
};

}  // namespace
}  // namespace dsp
