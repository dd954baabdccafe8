// Block copy and mix routines with constant gains or gain ramps.
// Names: copy_ or mix_, the input and output channel layouts (1: mono, 2: two
// buffers), then _v (constant gain) or _vlrauto (gain ramp from g0 towards g1:
// over a ramp of len samples (0: this block's n) the gain of sample i is
// g0 + i (g1 - g0) / len, and this block holds samples first .. first + n - 1
// of the ramp; so g1 is the first gain after the ramp, and a ramp cut into
// several blocks gives each sample exactly the gain it has in one block).
// Buffers of one call may be the same only where an output equals its own input.
#pragma once

#include "dsp/StereoLevel.h"

namespace dsp
{

class BasicMixing
{
public:
	static void clear(float *out_ptr, long nbr_spl) noexcept;
	static void fill(float *out_ptr, long nbr_spl, float val) noexcept;

	static void copy_1_1(float *out_ptr, const float *in_ptr, long nbr_spl) noexcept;
	static void mix_1_1(float *out_ptr, const float *in_ptr, long nbr_spl) noexcept;
	static void copy_1_2(float *out_l_ptr, float *out_r_ptr, const float *in_ptr, long nbr_spl) noexcept;
	static void mix_1_2(float *out_l_ptr, float *out_r_ptr, const float *in_ptr, long nbr_spl) noexcept;
	static void copy_2_2(float *out_l_ptr, float *out_r_ptr, const float *in_l_ptr, const float *in_r_ptr,
	                     long nbr_spl) noexcept;
	static void mix_2_2(float *out_l_ptr, float *out_r_ptr, const float *in_l_ptr, const float *in_r_ptr,
	                    long nbr_spl) noexcept;

	static void copy_1_1_v(float *out_ptr, const float *in_ptr, long nbr_spl, float gain) noexcept;
	static void mix_1_1_v(float *out_ptr, const float *in_ptr, long nbr_spl, float gain) noexcept;
	static void copy_2_1_v(float *out_ptr, const float *in_l_ptr, const float *in_r_ptr, long nbr_spl,
	                       float gain) noexcept;

	static void copy_1_1_vlrauto(float *out_ptr, const float *in_ptr, long nbr_spl, float g0, float g1,
	                             long first = 0, long len = 0) noexcept;
	static void mix_1_1_vlrauto(float *out_ptr, const float *in_ptr, long nbr_spl, float g0, float g1,
	                            long first = 0, long len = 0) noexcept;
	static void copy_2_1_vlrauto(float *out_ptr, const float *in_l_ptr, const float *in_r_ptr, long nbr_spl,
	                             float g0, float g1, long first = 0, long len = 0) noexcept;
	static void copy_2_2_vlrauto(float *out_l_ptr, float *out_r_ptr, const float *in_l_ptr, const float *in_r_ptr,
	                             long nbr_spl, float g0, float g1, long first = 0, long len = 0) noexcept;
	// outL += inL ll + inR rl, outR += inL lr + inR rr, each gain ramping on its own.
	static void mix_mat_2_2_vlrauto(float *out_l_ptr, float *out_r_ptr, const float *in_l_ptr,
	                                const float *in_r_ptr, long nbr_spl, const StereoLevel &start,
	                                const StereoLevel &end, long first = 0, long len = 0) noexcept;
};

}  // namespace dsp
