// BiquadPipe's steps, written once for any lane type S and compiled in each
// instruction set's own translation unit, touching nothing but the data and S.
#pragma once

#include "dsp/BiquadPipe.h"

namespace
{

template <class S>
struct PipeBody
{
	using V = typename S::V;
	using Data = dsp::BiquadPipe::Data;
	static constexpr int L = dsp::BiquadPipe::NBR_LANES;
	static constexpr int K = dsp::BiquadPipe::NBR_STAGES;
	// Stage k works LAG k samples behind stage 0: what it takes from stage
	// k - 1 is then ready a step before, and only its own recursion is left
	// on the way from one step to the next.
	static constexpr int LAG = 2;

	static V lanes(float a, float b, float c, float d) noexcept
	{
		alignas(32) const float tmp[L] = {a, b, c, d, a, b, c, d};
		return S::load(tmp);
	}

	// The filters' registers through a run.
	struct State
	{
		V co[5];
		V dco[5];
		V b0, b1, b2, a1, a2;
		V x1, x2, y1, y2;
		// Each stage's outputs of the last two steps, kept whether the stage
		// had a sample or not: stage k - 1 gave stage k's sample two steps ago.
		V out1, out2;
		V stage_lag;
		V offset;
		V last;
	};

	// Step s of a run of nbr_spl samples. EDGE: filling or emptying the
	// pipe, where stages may have no sample; in between every stage has one.
	template <bool RAMP, bool EDGE>
	__attribute__((always_inline)) static void step(State &st, const Data &d, float *ch0_ptr, float *ch1_ptr,
	                                                long s, long nbr_spl) noexcept
	{
		const bool in_block = !EDGE || s < nbr_spl;
		const float in0 = in_block ? ch0_ptr[s] : 0.0f;
		const float in1 = in_block ? ch1_ptr[s] : 0.0f;
		// Stage k takes stage k - 1's output of two steps ago, stage 0 the new sample.
		const V v = S::shift_in(st.out2, in0, in1);
		if constexpr (RAMP)
		{
			const V idx = S::sub(S::set1(float(d.ramp_pos + s)), st.stage_lag);  // each lane's ramp position
			st.b0 = S::fma(st.dco[0], idx, st.co[0]);
			st.b1 = S::fma(st.dco[1], idx, st.co[1]);
			st.b2 = S::fma(st.dco[2], idx, st.co[2]);
			st.a1 = S::fma(st.dco[3], idx, st.co[3]);
			st.a2 = S::fma(st.dco[4], idx, st.co[4]);
		}
		V ff = S::fma(st.b1, st.x1, S::mul(st.b2, st.x2));
		// On every other sample by the filter's own count, whatever the cuts.
		if (d.nd_first && in_block && ((d.nd_parity + s) & 1) == 0)
		{
			ff = S::add(ff, st.offset);
		}
		// The last output enters last: the recursion waits on one multiply-add.
		const V y = S::fnma(st.a1, st.y1, S::fma(st.b0, v, S::fnma(st.a2, st.y2, ff)));
		st.out2 = st.out1;
		st.out1 = y;
		if (!EDGE)
		{
			st.x2 = st.x1;
			st.x1 = v;
			st.y2 = st.y1;
			st.y1 = y;
		}
		else
		{
			// Stages without a sample keep their state.
			const V spl = S::sub(S::set1(float(s)), st.stage_lag);  // each lane's sample
			const V valid = S::and_mask(S::greater_equal(spl, S::zero()), S::not_greater(spl, st.last));
			st.x2 = S::select(valid, st.x1, st.x2);
			st.x1 = S::select(valid, v, st.x1);
			st.y2 = S::select(valid, st.y1, st.y2);
			st.y1 = S::select(valid, y, st.y1);
		}
		if (!EDGE || s >= LAG * (K - 1))
		{
			S::last_of_halves(ch0_ptr[s - LAG * (K - 1)], ch1_ptr[s - LAG * (K - 1)], st.y1);
		}
	}

	template <bool RAMP>
	static void run(Data &d, float *ch0_ptr, float *ch1_ptr, long nbr_spl) noexcept
	{
		State st;
		for (int i = 0; i < 5; ++i)
		{
			st.co[i] = S::load(d.co[i]);
			st.dco[i] = S::load(d.dco[i]);
		}
		st.b0 = st.co[0];
		st.b1 = st.co[1];
		st.b2 = st.co[2];
		st.a1 = st.co[3];
		st.a2 = st.co[4];
		st.x1 = S::load(d.x1);
		st.x2 = S::load(d.x2);
		st.y1 = S::load(d.y1);
		st.y2 = S::load(d.y2);
		st.out1 = S::zero();
		st.out2 = S::zero();
		st.stage_lag = lanes(0, LAG, 2 * LAG, 3 * LAG);
		st.offset = lanes(d.nd_offset, 0, 0, 0);
		st.last = S::set1(float(nbr_spl - 1));
		// Filling, every stage at work, emptying.
		constexpr long DEPTH = LAG * (K - 1);
		const long fill_end = (nbr_spl < DEPTH) ? nbr_spl : DEPTH;
		long s = 0;
		for (; s < fill_end; ++s)
		{
			step<RAMP, true>(st, d, ch0_ptr, ch1_ptr, s, nbr_spl);
		}
		for (; s < nbr_spl; ++s)
		{
			step<RAMP, false>(st, d, ch0_ptr, ch1_ptr, s, nbr_spl);
		}
		for (; s < nbr_spl + DEPTH; ++s)
		{
			step<RAMP, true>(st, d, ch0_ptr, ch1_ptr, s, nbr_spl);
		}
		S::store(d.x1, st.x1);
		S::store(d.x2, st.x2);
		S::store(d.y1, st.y1);
		S::store(d.y2, st.y2);
	}

	static void run(Data &d, float *ch0_ptr, float *ch1_ptr, long nbr_spl) noexcept
	{
		d.ramp ? run<true>(d, ch0_ptr, ch1_ptr, nbr_spl) : run<false>(d, ch0_ptr, ch1_ptr, nbr_spl);
	}
};

}  // namespace
