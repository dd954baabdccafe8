// The lanes compiled for AVX-512. A sample's own work (oscillators,
// feedback, band filters) is the AVX2 body's, eight lanes wide; the R update,
// which needs nothing of the sample it follows, runs for two samples at once,
// ring cells 0 and 1 side by side in one register; the mix of three or four
// voices takes two samples per register and looks its saturator up in two.
#include "dsp/SimdAvx512.h"
#include "engine/VoiceLanesBody.h"

namespace
{

using Narrow = LanesBody<dsp::SimdAvx2>;
using Wide = LanesBody<dsp::SimdAvx512>;
using W = dsp::SimdAvx512;

struct PairCore
{
	using Data = VoiceLanes::Data;

	// The coefficients and H of every unit, repeated for both cells.
	struct Twice
	{
		alignas(64) float coef[VoiceLanes::MAX_UNITS][2 * VoiceLanes::NBR_LANES];
		alignas(64) float h[VoiceLanes::MAX_UNITS][2 * VoiceLanes::NBR_LANES];

		Twice(const Data &d, int nbr_units) noexcept
		{
			for (int k = 0; k < nbr_units; ++k)
			{
				W::store(coef[k], W::load_twice(d.coef[k]));
				W::store(h[k], W::load_twice(d.h[k]));
			}
		}
	};

	// R two samples on for both cells, u2 the inputs two samples before
	// each; the same steps as the narrow update's, lane by lane.
	static void update_pair(Data &d, const Twice &tw, W::V u2, int nbr_units) noexcept
	{
		W::V r_old = W::zero();
		W::V r_new = W::zero();
		for (int k = 0; k < nbr_units; ++k)
		{
			float *r_ptr = d.r[k][0];
			const W::V c = W::load(tw.coef[k]);
			const W::V old = W::load(r_ptr);
			r_new = W::fma(c, r_new, W::fma(W::load(tw.h[k]), u2, W::fms(c, old, r_old)));
			W::store(r_ptr, r_new);
			r_old = old;
		}
	}

	template <bool FDBK, bool BAND, int NU>
	static void run_core(Data &d, const float *in_ptr, long first, long nbr_spl) noexcept
	{
		const int nbr_units = (NU > 0) ? NU : d.nbr_units;
		const int width = d.width;
		Narrow::Run run(d, first);
		const Twice tw(d, nbr_units);
		long i = 0;
		// Pairs start in cell 0.
		if (d.cell != 0 && nbr_spl > 0)
		{
			Narrow::single_sample<FDBK, BAND>(d, run, in_ptr[0], d.scratch);
			i = 1;
		}
		for (; i + 1 < nbr_spl; i += 2)
		{
			// The pair's last R are read before the update overwrites them.
			const W::V r_last = W::load(d.r[nbr_units - 1][0]);
			update_pair(d, tw, W::join(run.u_last2, run.u_last), nbr_units);
			run.sample<FDBK, BAND>(d, in_ptr[i], W::low(r_last), d.scratch + i * width, width);
			run.sample<FDBK, BAND>(d, in_ptr[i + 1], W::high(r_last), d.scratch + (i + 1) * width, width);
		}
		if (i < nbr_spl)
		{
			Narrow::single_sample<FDBK, BAND>(d, run, in_ptr[i], d.scratch + i * width);
		}
		run.save(d);
	}
};

}  // namespace

void VoiceLanes::run_avx512(Data &d, const float *in_ptr, float *left_ptr, float *right_ptr, long first,
                            long nbr_spl) noexcept
{
	Narrow::run<PairCore, Wide>(d, in_ptr, left_ptr, right_ptr, first, nbr_spl);
}
