// Sixteen float lanes in one AVX-512 register: two samples of the eight
// lanes SimdAvx2 holds, one per 256-bit half. Only what the wide kernels
// use; masks are the processor's mask registers. Include only in a
// translation unit compiled for AVX-512 (foundation and 256-bit forms);
// internal linkage, for the reason SimdAvx2 gives.
#pragma once

#include "dsp/SimdAvx2.h"

#include <immintrin.h>

namespace dsp
{
namespace
{

struct SimdAvx512
{
	using V = __m512;
	using I = __m512i;
	using M = __mmask16;
	using Half = SimdAvx2::V;
	static constexpr int WIDTH = 16;

	static V load(const float *p) noexcept
	{
		return _mm512_load_ps(p);
	}
	static void store(float *p, V v) noexcept
	{
		_mm512_store_ps(p, v);
	}
	static V loadu(const float *p) noexcept
	{
		return _mm512_loadu_ps(p);
	}
	static void storeu(float *p, V v) noexcept
	{
		_mm512_storeu_ps(p, v);
	}
	// Eight lanes in memory, repeated in both halves.
	static V load_twice(const float *p) noexcept
	{
		return _mm512_castpd_ps(_mm512_broadcast_f64x4(_mm256_load_pd(reinterpret_cast<const double *>(p))));
	}
	static V set1(float x) noexcept
	{
		return _mm512_set1_ps(x);
	}
	static V zero() noexcept
	{
		return _mm512_setzero_ps();
	}
	static V add(V a, V b) noexcept
	{
		return _mm512_add_ps(a, b);
	}
	static V sub(V a, V b) noexcept
	{
		return _mm512_sub_ps(a, b);
	}
	static V mul(V a, V b) noexcept
	{
		return _mm512_mul_ps(a, b);
	}
	static V fma(V a, V b, V c) noexcept
	{
		return _mm512_fmadd_ps(a, b, c);
	}
	static V fms(V a, V b, V c) noexcept
	{
		return _mm512_fmsub_ps(a, b, c);
	}

	static V join(Half lo, Half hi) noexcept
	{
		return _mm512_castpd_ps(
		   _mm512_insertf64x4(_mm512_castpd256_pd512(_mm256_castps_pd(lo)), _mm256_castps_pd(hi), 1));
	}
	static Half low(V v) noexcept
	{
		return _mm512_castps512_ps256(v);
	}
	static Half high(V v) noexcept
	{
		return _mm256_castpd_ps(_mm512_extractf64x4_pd(_mm512_castps_pd(v), 1));
	}

	static M not_greater(V a, V b) noexcept  // !(a > b), true for NaN
	{
		return _mm512_cmp_ps_mask(a, b, _CMP_NGT_UQ);
	}
	static M greater_equal(V a, V b) noexcept
	{
		return _mm512_cmp_ps_mask(a, b, _CMP_GE_OQ);
	}
	static M and_not(M mask, M m) noexcept
	{
		return M(~mask & m);
	}
	static V and_not(M mask, V v) noexcept  // v where mask is clear, else 0
	{
		return _mm512_maskz_mov_ps(M(~mask), v);
	}
	static V select(M mask, V a, V b) noexcept  // a where mask is set, else b
	{
		return _mm512_mask_blend_ps(mask, b, a);
	}
	static I trunc_int(V v) noexcept
	{
		return _mm512_cvttps_epi32(v);
	}
	static V min(V a, V b) noexcept  // b where either is NaN
	{
		return _mm512_min_ps(a, b);
	}
	static V max(V a, V b) noexcept
	{
		return _mm512_max_ps(a, b);
	}
	static V floor_of(V v, I) noexcept
	{
		return _mm512_roundscale_ps(v, _MM_FROUND_TO_NEG_INF | _MM_FROUND_NO_EXC);
	}
	// A 32-entry table is two registers, looked up in one instruction: no
	// reason to look for the half the indices lie in.
	static int half_of_32(I) noexcept
	{
		return -1;
	}
	// Tables of 16 and 32 entries, index taken modulo their size.
	static V lookup16(const float *tab, I idx) noexcept
	{
		return _mm512_permutexvar_ps(idx, _mm512_load_ps(tab));
	}
	static V lookup32(const float *tab, I idx) noexcept
	{
		return _mm512_permutex2var_ps(_mm512_load_ps(tab), idx, _mm512_load_ps(tab + 16));
	}

	// Sixteen sums of W neighbouring lanes, in sample order: from W vectors
	// p[j], each holding 16 / W samples. For W = 8 each half is one
	// sample, summed in the very order SimdAvx2 sums, so both paths give the
	// same samples.
	template <int W>
	static V sum_groups(const V *p) noexcept
	{
		static_assert(W == 8, "the wide mix serves three and four voices");
		Half q[2][8];
		for (int j = 0; j < 8; ++j)
		{
			q[j / 4][2 * (j % 4)] = low(p[j]);
			q[j / 4][2 * (j % 4) + 1] = high(p[j]);
		}
		return join(SimdAvx2::sum_groups<8>(q[0]), SimdAvx2::sum_groups<8>(q[1]));
	}
};

}  // namespace
}  // namespace dsp
