// The lanes' per-sample work, written once for any lane type S (SimdAvx2,
// SimdSse2) and compiled in each ISA's own translation unit. It touches
// nothing but the data and S, so no function compiled for one instruction set
// is ever shared with the other.
#pragma once

#include "engine/VoiceLanes.h"

namespace
{

template <class S>
struct LanesBody
{
	using V = typename S::V;
	using I = typename S::I;
	using Data = VoiceLanes::Data;
	static constexpr int L = VoiceLanes::NBR_LANES;
	static constexpr int VL = S::WIDTH;  // lanes per vector: L, or two samples of L

	// A saturator's cubic pieces over [lo, lo + SEGS], constant beyond, at
	// pos = x - lo; NaN gives the low value. The feedback goes through it
	// every sample, so the way from pos to the result is kept short: every
	// lane looks up its index modulo the table's size (a lane outside the
	// table reads some piece of it), the masks worked out beside the lookup
	// put the ends in their place, and the cubic is evaluated as
	// (c0 + c1 t) + t^2 (c2 + c3 t), two multiply-adds deep instead of three.
	template <int SEGS>
	static V saturate_pos(const float (&tab)[4][SEGS], float lo_val, float hi_val, V pos) noexcept
	{
		const auto below = S::not_greater(pos, S::zero());
		const auto above = S::and_not(below, S::greater_equal(pos, S::set1(float(SEGS))));
		const I idx = S::trunc_int(pos);
		const V t = S::sub(pos, S::floor_of(pos, idx));
		const V t2 = S::mul(t, t);
		V c[4];
		if constexpr (SEGS == 8)
		{
			for (int j = 0; j < 4; ++j)
			{
				c[j] = S::lookup8(tab[j], idx);
			}
		}
		else
		{
			// Signals mostly stay within one half of the table, where a
			// lookup takes half the register shuffles.
			const int half = S::half_of_32(idx);
			for (int j = 0; j < 4; ++j)
			{
				c[j] = (half >= 0) ? S::lookup16(tab[j] + 16 * half, idx) : S::lookup32(tab[j], idx);
			}
		}
		V r = S::fma(t2, S::fma(t, c[3], c[2]), S::fma(t, c[1], c[0]));
		r = S::select(below, S::set1(lo_val), r);
		return S::select(above, S::set1(hi_val), r);
	}

	template <int SEGS>
	static V saturate(const float (&tab)[4][SEGS], float lo, float lo_val, float hi_val, V x) noexcept
	{
		return saturate_pos(tab, lo_val, hi_val, S::sub(x, S::set1(lo)));
	}

	// Units k0..k1 - 1 of one sample's R update (see VoiceLanes.h) in the
	// ring cell r, u2 being the inputs two samples back; r_old and r_new
	// carry R_(k0-1) before and after.
	static void update_r(const Data &d, float *r, V u2, int k0, int k1, V &r_old, V &r_new) noexcept
	{
		for (int k = k0; k < k1; ++k)
		{
			float *r_ptr = r + 2 * L * k;
			const V c = S::load(d.coef[k]);
			const V old = S::load(r_ptr);
			r_new = S::fma(c, r_new, S::fma(S::load(d.h[k]), u2, S::fms(c, old, r_old)));
			S::store(r_ptr, r_new);
			r_old = old;
		}
	}

	// What a run carries from sample to sample, in registers: loaded from the
	// data at its start, stored back at its end.
	struct Run
	{
		const V sign;
		const V prod;
		const V g_last;
		V u_last;
		V u_last2;
		V oc;
		V os;
		const V osc_step_c;
		const V osc_step_s;
		V cc;
		V cs;
		const V col_rot_c;
		const V col_rot_s;
		const V lvl;
		const V lvl_step;
		V fdbk;
		const V b0;
		const V b1;
		const V b2;
		const V a1;
		const V a2;
		V x1;
		V x2;
		V y1;
		V y2;
		float pos;

		Run(const Data &d, long first) noexcept
		: sign(S::even_odd(S::set1(1), S::set1(-1)))
		, prod(S::load(d.prod))
		, g_last(S::load(d.g_last))
		, u_last(S::load(d.u_last))
		, u_last2(S::load(d.u_last2))
		, oc(S::load(d.osc_c))
		, os(S::load(d.osc_s))
		, osc_step_c(S::load(d.osc_step_c))
		, osc_step_s(S::load(d.osc_step_s))
		, cc(S::load(d.col_c))
		, cs(S::load(d.col_s))
		, col_rot_c(S::load(d.col_rot_c))
		, col_rot_s(S::load(d.col_rot_s))
		, lvl(S::load(d.lvl))
		, lvl_step(S::load(d.lvl_step))
		, fdbk(S::load(d.fdbk_state))
		, b0(S::load(d.b0))
		, b1(S::load(d.b1))
		, b2(S::load(d.b2))
		, a1(S::load(d.a1))
		, a2(S::load(d.a2))
		, x1(S::load(d.x1))
		, x2(S::load(d.x2))
		, y1(S::load(d.y1))
		, y2(S::load(d.y2))
		, pos(float(first))
		{
		}

		void save(Data &d) const noexcept
		{
			S::store(d.u_last, u_last);
			S::store(d.u_last2, u_last2);
			S::store(d.osc_c, oc);
			S::store(d.osc_s, os);
			S::store(d.col_c, cc);
			S::store(d.col_s, cs);
			S::store(d.fdbk_state, fdbk);
			S::store(d.x1, x1);
			S::store(d.x2, x2);
			S::store(d.y1, y1);
			S::store(d.y2, y2);
		}

		// One sample's oscillators, feedback and band filter, its width
		// output lanes to out_ptr; r_last is the R of the chains' last units
		// in the sample's cell. Gives the chain inputs two samples back,
		// which the R update of this cell takes.
		template <bool FDBK, bool BAND>
		__attribute__((always_inline)) V sample(const Data &d, float in, V r_last, float *out_ptr,
		                                        int width) noexcept
		{
			const V x = S::set1(in);
			const V u_prev = S::dup_even(u_last);
			// Chain A takes the input and the feedback, chain B what chain A took last time.
			const V u = S::even_odd(FDBK ? S::add(x, fdbk) : x, u_prev);
			const V u2 = u_last2;
			u_last2 = u_last;
			u_last = u;
			const V t_last = S::fma(g_last, u2, r_last);
			const V y = S::fma(prod, u, t_last);
			if constexpr (FDBK)
			{
				// In the even lanes, level (x + c a + s mix b) with a = chain B's
				// output and b = P u + T chain A's: everything but P u is known
				// before the feedback arrives, which then goes through one
				// multiply-add to the saturator instead of the whole sum.
				const V ncc = S::fms(cc, col_rot_c, S::mul(cs, col_rot_s));
				cs = S::fma(cs, col_rot_c, S::mul(cc, col_rot_s));
				cc = ncc;
				const V level = S::fma(S::set1(pos), lvl_step, lvl);
				const V s_mix = S::mul(os, S::fms(oc, cc, S::mul(os, cs)));
				const V chain_b = S::swap_pairs(S::fma(prod, u_prev, t_last));
				const V k = S::mul(level, S::mul(s_mix, prod));
				const V w = S::mul(level, S::fma(s_mix, t_last, S::fma(oc, chain_b, x)));
				// The table's start taken off before the feedback arrives, too.
				const V f_pos =
				   S::fma(k, fdbk, S::sub(S::fma(k, x, w), S::set1(float(VoiceLanes::FDBK_LO))));
				fdbk = saturate_pos(d.fdbk_tab, d.fdbk_lo_val, d.fdbk_hi_val, f_pos);
			}
			// Even lanes: chain A times the sine; odd lanes: chain B times the cosine.
			const V prod_osc = S::mul(y, S::even_odd(os, oc));
			V out = S::fma(S::swap_pairs(prod_osc), sign, prod_osc);  // even: a c + b s, odd: a c - b s
			if constexpr (BAND)
			{
				const V ff = S::fma(b0, out, S::fma(b1, x1, S::mul(b2, x2)));
				const V yb = S::fnma(a1, y1, S::fnma(a2, y2, ff));
				x2 = x1;
				x1 = out;
				y2 = y1;
				y1 = yb;
				out = yb;
			}
			S::store_first(out_ptr, out, width);
			const V noc = S::fms(oc, osc_step_c, S::mul(os, osc_step_s));
			os = S::fma(os, osc_step_c, S::mul(oc, osc_step_s));
			oc = noc;
			pos += 1;
			return u2;
		}
	};

	// One sample through the lanes with the whole R update of its cell, as a
	// run on the way to or from a wider path does.
	template <bool FDBK, bool BAND>
	static void single_sample(Data &d, Run &run, float in, float *out_ptr) noexcept
	{
		float *r = d.r[0][d.cell];
		const V u2 = run.template sample<FDBK, BAND>(d, in, S::load(r + 2 * L * (d.nbr_units - 1)), out_ptr,
		                                              d.width);
		V r_old = S::zero();
		V r_new = S::zero();
		update_r(d, r, u2, 0, d.nbr_units, r_old, r_new);
		d.cell ^= 1;
	}

	// Networks, oscillators, feedback and band filters, into the scratch lanes.
	// NU: the chains' length known when compiled (4, 8 or 16), so the units'
	// loops unroll; 0 takes it from the data.
	template <bool FDBK, bool BAND, int NU>
	static void run_core(Data &d, const float *in_ptr, long first, long nbr_spl) noexcept
	{
		const int nbr_units = (NU > 0) ? NU : d.nbr_units;
		// Each sample's T update runs in two halves, the second beside the
		// next sample's first: two short chains of dependent steps overlap
		// where one long chain would stall.
		const int half = nbr_units / 2;
		const int width = d.width;
		Run run(d, first);
		int cell = d.cell;
		// The second half still to do: its cell, input and carried R values.
		float *pend_r = nullptr;
		V pend_u = S::zero();
		V pend_old = S::zero();
		V pend_new = S::zero();
		for (long i = 0; i < nbr_spl; ++i)
		{
			float *r = d.r[0][cell];
			const V u2 = run.template sample<FDBK, BAND>(d, in_ptr[i], S::load(r + 2 * L * (nbr_units - 1)),
			                                              d.scratch + i * width, width);
			// R two samples on, in the cell this sample's R leaves.
			V r_old = S::zero();
			V r_new = S::zero();
			update_r(d, r, u2, 0, half, r_old, r_new);
			if (pend_r != nullptr)
			{
				update_r(d, pend_r, pend_u, half, nbr_units, pend_old, pend_new);
			}
			pend_r = r;
			pend_u = u2;
			pend_old = r_old;
			pend_new = r_new;
			cell ^= 1;
		}
		if (pend_r != nullptr)
		{
			update_r(d, pend_r, pend_u, half, nbr_units, pend_old, pend_new);
		}
		d.cell = cell;
		run.save(d);
	}

	// The first W lanes of src repeated over a whole vector.
	template <int W>
	static V repeat(const float *src) noexcept
	{
		// Whole lane sets load as they are (a copy through memory would
		// wait on its scalar stores).
		if constexpr (W == L && VL == L)
		{
			return S::load(src);
		}
		else if constexpr (W == L)
		{
			return S::load_twice(src);
		}
		alignas(64) float tmp[VL];
		for (int e = 0; e < VL; ++e)
		{
			tmp[e] = src[e % W];
		}
		return S::load(tmp);
	}

	// Gain, saturation and the pan mix onto the outputs, a vector's width of
	// samples at a time: each vector holds VL / W samples of W lanes.
	template <int W>
	static void run_mix(Data &d, float *left_ptr, float *right_ptr, long first, long nbr_spl) noexcept
	{
		constexpr int SPV = VL / W;  // samples per vector
		const V gain = repeat<W>(d.gain);
		const V gain_step = repeat<W>(d.gain_step);
		const V to_l = repeat<W>(d.to_l);
		const V to_l_step = repeat<W>(d.to_l_step);
		const V to_r = repeat<W>(d.to_r);
		const V to_r_step = repeat<W>(d.to_r_step);
		V offset[W];  // each lane's sample within the batch
		for (int j = 0; j < W; ++j)
		{
			alignas(64) float tmp[VL];
			for (int e = 0; e < VL; ++e)
			{
				tmp[e] = float(j * SPV + e / W);
			}
			offset[j] = S::load(tmp);
		}
		for (long b = 0; b < nbr_spl; b += VL)
		{
			const V base = S::set1(float(first + b));
			V pl[W];
			V pr[W];
			for (int j = 0; j < W; ++j)
			{
				const V p = S::add(base, offset[j]);
				const V g = S::fma(p, gain_step, gain);
				const V v = saturate(d.out_tab, float(VoiceLanes::OUT_LO), d.out_lo_val, d.out_hi_val,
				                     S::mul(g, S::load(d.scratch + (b + j * SPV) * W)));
				pl[j] = S::mul(v, S::fma(p, to_l_step, to_l));
				pr[j] = S::mul(v, S::fma(p, to_r_step, to_r));
			}
			V sum_l = S::template sum_groups<W>(pl);
			V sum_r = S::template sum_groups<W>(pr);
			float *const l_ptr = left_ptr + b;
			float *const r_ptr = right_ptr + b;
			if (left_ptr == right_ptr)
			{
				sum_l = S::add(sum_l, sum_r);
			}
			if (b + VL <= nbr_spl)
			{
				S::storeu(l_ptr, S::add(S::loadu(l_ptr), sum_l));
				if (left_ptr != right_ptr)
				{
					S::storeu(r_ptr, S::add(S::loadu(r_ptr), sum_r));
				}
			}
			else
			{
				alignas(64) float tl[VL];
				alignas(64) float tr[VL];
				S::store(tl, sum_l);
				S::store(tr, sum_r);
				for (long i = 0; i < nbr_spl - b; ++i)
				{
					l_ptr[i] += tl[i];
					if (left_ptr != right_ptr)
					{
						r_ptr[i] += tr[i];
					}
				}
			}
		}
	}

	template <class Core, int NU>
	static void run_units(Data &d, const float *in_ptr, long first, long nbr_spl) noexcept
	{
		if (d.fdbk)
		{
			d.band ? Core::template run_core<true, true, NU>(d, in_ptr, first, nbr_spl)
			       : Core::template run_core<true, false, NU>(d, in_ptr, first, nbr_spl);
		}
		else
		{
			d.band ? Core::template run_core<false, true, NU>(d, in_ptr, first, nbr_spl)
			       : Core::template run_core<false, false, NU>(d, in_ptr, first, nbr_spl);
		}
	}

	// A whole run: the networks by Core (this body, or one that updates
	// several samples at once), then the mix, by Mix8 for three or four voices.
	template <class Core = LanesBody, class Mix8 = LanesBody>
	static void run(Data &d, const float *in_ptr, float *left_ptr, float *right_ptr, long first,
	                long nbr_spl) noexcept
	{
		switch (d.nbr_units)
		{
		case 4: run_units<Core, 4>(d, in_ptr, first, nbr_spl); break;
		case 8: run_units<Core, 8>(d, in_ptr, first, nbr_spl); break;
		case 16: run_units<Core, 16>(d, in_ptr, first, nbr_spl); break;
		default: run_units<Core, 0>(d, in_ptr, first, nbr_spl); break;
		}
		switch (d.width)
		{
		case 2: run_mix<2>(d, left_ptr, right_ptr, first, nbr_spl); break;
		case 4: run_mix<4>(d, left_ptr, right_ptr, first, nbr_spl); break;
		default: Mix8::template run_mix<8>(d, left_ptr, right_ptr, first, nbr_spl); break;
		}
	}
};

}  // namespace
