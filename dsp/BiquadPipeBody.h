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

	template <bool RAMP>
	static void run(Data &d, float *ch0_ptr, float *ch1_ptr, long nbr_spl) noexcept
	{
		V co[5];
		V dco[5];
		for (int i = 0; i < 5; ++i)
		{
			co[i] = S::load(d.co[i]);
			dco[i] = S::load(d.dco[i]);
		}
		V b0 = co[0];
		V b1 = co[1];
		V b2 = co[2];
		V a1 = co[3];
		V a2 = co[4];
		V x1 = S::load(d.x1);
		V x2 = S::load(d.x2);
		V y1 = S::load(d.y1);
		V y2 = S::load(d.y2);
		const V stage_lag = lanes(0, LAG, 2 * LAG, 3 * LAG);
		const V offset = lanes(d.nd_offset, 0, 0, 0);
		const V last = S::set1(float(nbr_spl - 1));
		// Each stage's outputs of the last two steps, kept whether the stage
		// had a sample or not: stage k - 1 gave stage k's sample two steps ago.
		V out1 = S::zero();
		V out2 = S::zero();
		for (long s = 0; s < nbr_spl + LAG * (K - 1); ++s)
		{
			const V spl = S::sub(S::set1(float(s)), stage_lag);  // each lane's sample
			const float in0 = (s < nbr_spl) ? ch0_ptr[s] : 0.0f;
			const float in1 = (s < nbr_spl) ? ch1_ptr[s] : 0.0f;
			// Stage k takes stage k - 1's output of two steps ago, stage 0 the new sample.
			const V v = S::shift_in(out2, in0, in1);
			if constexpr (RAMP)
			{
				const V idx = S::add(S::set1(float(d.ramp_pos)), spl);
				b0 = S::fma(dco[0], idx, co[0]);
				b1 = S::fma(dco[1], idx, co[1]);
				b2 = S::fma(dco[2], idx, co[2]);
				a1 = S::fma(dco[3], idx, co[3]);
				a2 = S::fma(dco[4], idx, co[4]);
			}
			V ff = S::fma(b1, x1, S::mul(b2, x2));
			// On every other sample by the filter's own count, whatever the cuts.
			if (d.nd_first && s < nbr_spl && ((d.nd_parity + s) & 1) == 0)
			{
				ff = S::add(ff, offset);
			}
			// The last output enters last: the recursion waits on one multiply-add.
			const V y = S::fnma(a1, y1, S::fma(b0, v, S::fnma(a2, y2, ff)));
			out2 = out1;
			out1 = y;
			if (s >= LAG * (K - 1) && s < nbr_spl)
			{
				x2 = x1;
				x1 = v;
				y2 = y1;
				y1 = y;
			}
			else
			{
				// Filling or emptying the pipe: stages without a sample keep their state.
				const V valid = S::and_mask(S::greater_equal(spl, S::zero()), S::not_greater(spl, last));
				x2 = S::select(valid, x1, x2);
				x1 = S::select(valid, v, x1);
				y2 = S::select(valid, y1, y2);
				y1 = S::select(valid, y, y1);
			}
			if (s >= LAG * (K - 1))
			{
				S::last_of_halves(ch0_ptr[s - LAG * (K - 1)], ch1_ptr[s - LAG * (K - 1)], y1);
			}
		}
		S::store(d.x1, x1);
		S::store(d.x2, x2);
		S::store(d.y1, y1);
		S::store(d.y2, y2);
	}

	static void run(Data &d, float *ch0_ptr, float *ch1_ptr, long nbr_spl) noexcept
	{
		d.ramp ? run<true>(d, ch0_ptr, ch1_ptr, nbr_spl) : run<false>(d, ch0_ptr, ch1_ptr, nbr_spl);
	}
};

}  // namespace
