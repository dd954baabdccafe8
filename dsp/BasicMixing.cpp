// Block copy and mix routines.
#include "dsp/BasicMixing.h"

namespace dsp
{

namespace
{

// Calls fnc(pos, gain) for every sample of the block with its gain on the ramp.
template <class F>
inline void ramp(long nbr_spl, float g0, float g1, long first, long len, F fnc) noexcept
{
	if (g0 == g1 || nbr_spl <= 0)
	{
		for (long pos = 0; pos < nbr_spl; ++pos)
		{
			fnc(pos, g0);
		}
		return;
	}
	const float step = (g1 - g0) / float(len > 0 ? len : nbr_spl);
	// Positions as int (a ramp spans one frame): their conversion to float
	// vectorises, a long's does not.
	const int first_i = int(first);
	for (int pos = 0; pos < int(nbr_spl); ++pos)
	{
		fnc(pos, g0 + step * float(first_i + pos));
	}
}

}  // namespace

void BasicMixing::clear(float *out_ptr, long nbr_spl) noexcept
{
	fill(out_ptr, nbr_spl, 0);
}

void BasicMixing::fill(float *out_ptr, long nbr_spl, float val) noexcept
{
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		out_ptr[pos] = val;
	}
}

void BasicMixing::copy_1_1(float *out_ptr, const float *in_ptr, long nbr_spl) noexcept
{
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		out_ptr[pos] = in_ptr[pos];
	}
}

void BasicMixing::mix_1_1(float *out_ptr, const float *in_ptr, long nbr_spl) noexcept
{
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		out_ptr[pos] += in_ptr[pos];
	}
}

void BasicMixing::copy_1_2(float *out_l_ptr, float *out_r_ptr, const float *in_ptr, long nbr_spl) noexcept
{
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		const float x = in_ptr[pos];
		out_l_ptr[pos] = x;
		out_r_ptr[pos] = x;
	}
}

void BasicMixing::mix_1_2(float *out_l_ptr, float *out_r_ptr, const float *in_ptr, long nbr_spl) noexcept
{
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		const float x = in_ptr[pos];
		out_l_ptr[pos] += x;
		out_r_ptr[pos] += x;
	}
}

void BasicMixing::copy_2_2(float *out_l_ptr, float *out_r_ptr, const float *in_l_ptr, const float *in_r_ptr,
                           long nbr_spl) noexcept
{
	copy_1_1(out_l_ptr, in_l_ptr, nbr_spl);
	copy_1_1(out_r_ptr, in_r_ptr, nbr_spl);
}

void BasicMixing::mix_2_2(float *out_l_ptr, float *out_r_ptr, const float *in_l_ptr, const float *in_r_ptr,
                          long nbr_spl) noexcept
{
	mix_1_1(out_l_ptr, in_l_ptr, nbr_spl);
	mix_1_1(out_r_ptr, in_r_ptr, nbr_spl);
}

void BasicMixing::copy_1_1_v(float *out_ptr, const float *in_ptr, long nbr_spl, float gain) noexcept
{
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		out_ptr[pos] = in_ptr[pos] * gain;
	}
}

void BasicMixing::mix_1_1_v(float *out_ptr, const float *in_ptr, long nbr_spl, float gain) noexcept
{
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		out_ptr[pos] += in_ptr[pos] * gain;
	}
}

void BasicMixing::copy_2_1_v(float *out_ptr, const float *in_l_ptr, const float *in_r_ptr, long nbr_spl,
                             float gain) noexcept
{
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		out_ptr[pos] = (in_l_ptr[pos] + in_r_ptr[pos]) * gain;
	}
}

void BasicMixing::copy_1_1_vlrauto(float *out_ptr, const float *in_ptr, long nbr_spl, float g0, float g1,
                                   long first, long len) noexcept
{
	ramp(nbr_spl, g0, g1, first, len, [=](long pos, float g) { out_ptr[pos] = in_ptr[pos] * g; });
}

void BasicMixing::mix_1_1_vlrauto(float *out_ptr, const float *in_ptr, long nbr_spl, float g0, float g1, long first,
                                  long len) noexcept
{
	ramp(nbr_spl, g0, g1, first, len, [=](long pos, float g) { out_ptr[pos] += in_ptr[pos] * g; });
}

void BasicMixing::copy_2_1_vlrauto(float *out_ptr, const float *in_l_ptr, const float *in_r_ptr, long nbr_spl,
                                   float g0, float g1, long first, long len) noexcept
{
	ramp(nbr_spl, g0, g1, first, len,
	     [=](long pos, float g) { out_ptr[pos] = (in_l_ptr[pos] + in_r_ptr[pos]) * g; });
}

void BasicMixing::copy_2_2_vlrauto(float *out_l_ptr, float *out_r_ptr, const float *in_l_ptr, const float *in_r_ptr,
                                   long nbr_spl, float g0, float g1, long first, long len) noexcept
{
	ramp(nbr_spl, g0, g1, first, len, [=](long pos, float g) {
		out_l_ptr[pos] = in_l_ptr[pos] * g;
		out_r_ptr[pos] = in_r_ptr[pos] * g;
	});
}

void BasicMixing::mix_mat_2_2_vlrauto(float *out_l_ptr, float *out_r_ptr, const float *in_l_ptr,
                                      const float *in_r_ptr, long nbr_spl, const StereoLevel &start,
                                      const StereoLevel &end, long first, long len) noexcept
{
	if (nbr_spl <= 0)
	{
		return;
	}
	const float ll = start.get_l2l();
	const float lr = start.get_l2r();
	const float rl = start.get_r2l();
	const float rr = start.get_r2r();
	float d_ll = 0;
	float d_lr = 0;
	float d_rl = 0;
	float d_rr = 0;
	if (!(start == end))
	{
		const float inv_n = 1.0f / float(len > 0 ? len : nbr_spl);
		d_ll = (end.get_l2l() - ll) * inv_n;
		d_lr = (end.get_l2r() - lr) * inv_n;
		d_rl = (end.get_r2l() - rl) * inv_n;
		d_rr = (end.get_r2r() - rr) * inv_n;
	}
	if (start == end)
	{
		for (long pos = 0; pos < nbr_spl; ++pos)
		{
			const float xl = in_l_ptr[pos];
			const float xr = in_r_ptr[pos];
			out_l_ptr[pos] += xl * ll + xr * rl;
			out_r_ptr[pos] += xl * lr + xr * rr;
		}
		return;
	}
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		const float xl = in_l_ptr[pos];
		const float xr = in_r_ptr[pos];
		const float i = float(first + pos);
		// Left and right may be one buffer (mono out): both contributions then add up.
		out_l_ptr[pos] += xl * (ll + d_ll * i) + xr * (rl + d_rl * i);
		out_r_ptr[pos] += xl * (lr + d_lr * i) + xr * (rr + d_rr * i);
	}
}

}  // namespace dsp
