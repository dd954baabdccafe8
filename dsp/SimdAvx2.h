// Eight float lanes in one AVX2 register, with explicit fused multiply-adds.
// Include only in a translation unit compiled for AVX2 and FMA. Everything
// here has internal linkage: an inline function compiled for AVX2 must never
// be the copy the linker keeps for code that runs on older processors.
#pragma once

#include <immintrin.h>

namespace dsp
{
namespace
{

struct SimdAvx2
{
	using V = __m256;
	using I = __m256i;
	static constexpr int WIDTH = 8;

	static V load(const float *p) noexcept
	{
		return _mm256_load_ps(p);
	}
	static void store(float *p, V v) noexcept
	{
		_mm256_store_ps(p, v);
	}
	static V loadu(const float *p) noexcept
	{
		return _mm256_loadu_ps(p);
	}
	static void storeu(float *p, V v) noexcept
	{
		_mm256_storeu_ps(p, v);
	}
	static V set1(float x) noexcept
	{
		return _mm256_set1_ps(x);
	}
	static V zero() noexcept
	{
		return _mm256_setzero_ps();
	}
	static V add(V a, V b) noexcept
	{
		return _mm256_add_ps(a, b);
	}
	static V sub(V a, V b) noexcept
	{
		return _mm256_sub_ps(a, b);
	}
	static V mul(V a, V b) noexcept
	{
		return _mm256_mul_ps(a, b);
	}
	// a b + c, a b - c and c - a b, each rounded once.
	static V fma(V a, V b, V c) noexcept
	{
		return _mm256_fmadd_ps(a, b, c);
	}
	static V fms(V a, V b, V c) noexcept
	{
		return _mm256_fmsub_ps(a, b, c);
	}
	static V fnma(V a, V b, V c) noexcept
	{
		return _mm256_fnmadd_ps(a, b, c);
	}
	// Even lanes from a, odd lanes from b.
	static V even_odd(V a, V b) noexcept
	{
		return _mm256_blend_ps(a, b, 0xAA);
	}
	// Each pair of lanes swapped.
	static V swap_pairs(V v) noexcept
	{
		return _mm256_permute_ps(v, 0xB1);
	}
	// Each even lane copied into the odd lane after it.
	static V dup_even(V v) noexcept
	{
		return _mm256_moveldup_ps(v);
	}
	// Mask lanes: all ones where true.
	static V not_greater(V a, V b) noexcept  // !(a > b), true for NaN
	{
		return _mm256_cmp_ps(a, b, _CMP_NGT_UQ);
	}
	static V greater_equal(V a, V b) noexcept
	{
		return _mm256_cmp_ps(a, b, _CMP_GE_OQ);
	}
	static V and_not(V mask, V v) noexcept  // v where mask is clear, else 0
	{
		return _mm256_andnot_ps(mask, v);
	}
	static V and_mask(V a, V b) noexcept
	{
		return _mm256_and_ps(a, b);
	}
	static V select(V mask, V a, V b) noexcept  // a where mask is set, else b
	{
		return _mm256_blendv_ps(b, a, mask);
	}
	static I trunc_int(V v) noexcept
	{
		return _mm256_cvttps_epi32(v);
	}
	static V min(V a, V b) noexcept  // b where either is NaN
	{
		return _mm256_min_ps(a, b);
	}
	static V max(V a, V b) noexcept
	{
		return _mm256_max_ps(a, b);
	}
	// The whole part of v >= 0 (idx its truncation), rounded in the float
	// unit: no round trip through the integers on the way.
	static V floor_of(V v, I) noexcept
	{
		return _mm256_round_ps(v, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
	}
	// Table of 8 entries, index taken modulo 8 (the saturators rely on it).
	static V lookup8(const float *tab, I idx) noexcept
	{
		return _mm256_permutevar8x32_ps(_mm256_load_ps(tab), idx);
	}
	// 0 or 1 when every index 0..31 lies in the low or the high half of a
	// 32-entry table, -1 when they straddle.
	static int half_of_32(I idx) noexcept
	{
		const int bits = _mm256_movemask_ps(_mm256_castsi256_ps(_mm256_slli_epi32(idx, 27)));
		return bits == 0 ? 0 : (bits == 0xFF ? 1 : -1);
	}
	// Table of 16 entries, index taken modulo 16.
	static V lookup16(const float *tab, I idx) noexcept
	{
		const V p0 = _mm256_permutevar8x32_ps(_mm256_load_ps(tab), idx);
		const V p1 = _mm256_permutevar8x32_ps(_mm256_load_ps(tab + 8), idx);
		return _mm256_blendv_ps(p0, p1, _mm256_castsi256_ps(_mm256_slli_epi32(idx, 28)));
	}
	// Table of 32 entries, index taken modulo 32: four in-register permutes and a
	// choice by the index's upper bits, far cheaper than a gather.
	static V lookup32(const float *tab, I idx) noexcept
	{
		const V p0 = _mm256_permutevar8x32_ps(_mm256_load_ps(tab), idx);
		const V p1 = _mm256_permutevar8x32_ps(_mm256_load_ps(tab + 8), idx);
		const V p2 = _mm256_permutevar8x32_ps(_mm256_load_ps(tab + 16), idx);
		const V p3 = _mm256_permutevar8x32_ps(_mm256_load_ps(tab + 24), idx);
		const V bit3 = _mm256_castsi256_ps(_mm256_slli_epi32(idx, 28));
		const V bit4 = _mm256_castsi256_ps(_mm256_slli_epi32(idx, 27));
		return _mm256_blendv_ps(_mm256_blendv_ps(p0, p1, bit3), _mm256_blendv_ps(p2, p3, bit3), bit4);
	}
	// Each half moved up one lane, a and b entering at the bottom of the halves.
	static V shift_in(V v, float a, float b) noexcept
	{
		const V up = _mm256_castsi256_ps(_mm256_slli_si256(_mm256_castps_si256(v), 4));
		return _mm256_blend_ps(up, _mm256_set_m128(_mm_set_ss(b), _mm_set_ss(a)), 0x11);
	}
	// The top lane of each half.
	static void last_of_halves(float &a, float &b, V v) noexcept
	{
		const __m128 lo = _mm256_castps256_ps128(v);
		const __m128 hi = _mm256_extractf128_ps(v, 1);
		a = _mm_cvtss_f32(_mm_shuffle_ps(lo, lo, 3));
		b = _mm_cvtss_f32(_mm_shuffle_ps(hi, hi, 3));
	}
	// The first w (2, 4 or 8) lanes to memory.
	static void store_first(float *p, V v, int w) noexcept
	{
		if (w == 8)
		{
			_mm256_store_ps(p, v);
		}
		else if (w == 4)
		{
			_mm_store_ps(p, _mm256_castps256_ps128(v));
		}
		else
		{
			_mm_storel_pi(reinterpret_cast<__m64 *>(p), _mm256_castps256_ps128(v));
		}
	}
	// Eight sums of W neighbouring lanes, in sample order: from 64 / W vectors
	// p[j], each holding 8 / W samples of W lanes.
	template <int W>
	static V sum_groups(const V *p) noexcept
	{
		if constexpr (W == 8)
		{
			const V a01 = _mm256_hadd_ps(p[0], p[1]);
			const V a23 = _mm256_hadd_ps(p[2], p[3]);
			const V a45 = _mm256_hadd_ps(p[4], p[5]);
			const V a67 = _mm256_hadd_ps(p[6], p[7]);
			const V b0 = _mm256_hadd_ps(a01, a23);  // samples 0 1 2 3, low lanes | same, high lanes
			const V b1 = _mm256_hadd_ps(a45, a67);
			return _mm256_add_ps(_mm256_permute2f128_ps(b0, b1, 0x20), _mm256_permute2f128_ps(b0, b1, 0x31));
		}
		else if constexpr (W == 4)
		{
			const V a01 = _mm256_hadd_ps(p[0], p[1]);
			const V a23 = _mm256_hadd_ps(p[2], p[3]);
			const V b = _mm256_hadd_ps(a01, a23);  // 0 2 4 6 | 1 3 5 7
			const __m128 lo = _mm256_castps256_ps128(b);
			const __m128 hi = _mm256_extractf128_ps(b, 1);
			return _mm256_set_m128(_mm_unpackhi_ps(lo, hi), _mm_unpacklo_ps(lo, hi));
		}
		else
		{
			const V a = _mm256_hadd_ps(p[0], p[1]);  // 0 1 4 5 | 2 3 6 7
			return _mm256_permutevar8x32_ps(a, _mm256_setr_epi32(0, 1, 4, 5, 2, 3, 6, 7));
		}
	}
};

}  // namespace
}  // namespace dsp
