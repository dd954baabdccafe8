// The biquad pipe's bookkeeping: the filters' state and coefficient ramps in, and back out.
#include "dsp/BiquadPipe.h"

#include "dsp/Biquad.h"

namespace dsp
{

void BiquadPipe::process(Biquad *const chain_arr[2][NBR_STAGES], float *const data_arr[2], long nbr_spl,
                         long ramp_pos, long ramp_len, bool nd_first, bool avx2) noexcept
{
	if (nbr_spl <= 0)
	{
		return;
	}
	if (ramp_len <= 0)
	{
		ramp_pos = 0;
		ramp_len = nbr_spl;
	}
	const bool ramp_ends = ramp_pos + nbr_spl >= ramp_len;
	alignas(32) Data d;
	d.ramp = false;
	d.ramp_pos = ramp_pos;
	d.nd_first = nd_first;
	d.nd_parity = chain_arr[0][0]->_mem_pos;
	d.nd_offset = Biquad::ANTI_DENORMAL;
	for (int c = 0; c < 2; ++c)
	{
		for (int k = 0; k < NBR_STAGES; ++k)
		{
			Biquad &f = *chain_arr[c][k];
			const int lane = NBR_STAGES * c + k;
			const Biquad::State st = f.get_state();
			d.x1[lane] = st.x1;
			d.x2[lane] = st.x2;
			d.y1[lane] = st.y1;
			d.y2[lane] = st.y2;
			const float target[5] = {f._b0, f._b1, f._b2, f._a1, f._a2};
			for (int i = 0; i < 5; ++i)
			{
				d.dco[i][lane] = f._ramp_pending ? (target[i] - f._start[i]) / float(ramp_len) : 0.0f;
				d.co[i][lane] = f._ramp_pending ? f._start[i] : target[i];
			}
			d.ramp = d.ramp || f._ramp_pending;
			f._ramp_pending = f._ramp_pending && !ramp_ends;
		}
	}
	if (avx2)
	{
		run_avx2(d, data_arr[0], data_arr[1], nbr_spl);
	}
	else
	{
		run_sse2(d, data_arr[0], data_arr[1], nbr_spl);
	}
	for (int c = 0; c < 2; ++c)
	{
		for (int k = 0; k < NBR_STAGES; ++k)
		{
			const int lane = NBR_STAGES * c + k;
			chain_arr[c][k]->set_state({d.x1[lane], d.x2[lane], d.y1[lane], d.y2[lane]}, nbr_spl);
		}
	}
}

}  // namespace dsp
