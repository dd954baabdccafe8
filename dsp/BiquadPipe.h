// Two channels through chains of four biquads, the eight filters in the eight
// lanes of one register: lane 4 c + k is stage k of channel c, and stage k
// works on the sample 2 k steps behind stage 0, taking what stage k - 1 gave
// two steps before. One vector step per sample then runs all eight filters,
// where a chain run filter after filter waits on each one's recursion.
// The results are those of Biquad::process_chains<2, 4, ND_FIRST> up to
// roundings (the AVX2 path fuses multiply-adds), and the same whatever the
// pieces a block is cut into.
#pragma once

namespace dsp
{

class Biquad;

class BiquadPipe
{
public:
	static constexpr int NBR_LANES = 8;
	static constexpr int NBR_STAGES = 4;

	struct Data
	{
		// b0, b1, b2, a1, a2 at ramp position 0, and their change per position.
		alignas(32) float co[5][NBR_LANES];
		alignas(32) float dco[5][NBR_LANES];
		alignas(32) float x1[NBR_LANES];
		alignas(32) float x2[NBR_LANES];
		alignas(32) float y1[NBR_LANES];
		alignas(32) float y2[NBR_LANES];
		long ramp_pos;   // ramp position of the first sample
		bool ramp;
		bool nd_first;   // the anti-denormal offset on stage 0, every other sample by the filters' count
		int nd_parity;
		float nd_offset;
	};

	// Same arguments as Biquad::process_chains; avx2 picks the path.
	static void process(Biquad *const chain_arr[2][NBR_STAGES], float *const data_arr[2], long nbr_spl, long ramp_pos,
	                    long ramp_len, bool nd_first, bool avx2) noexcept;

	// The two compilations, each in its own translation unit.
	static void run_avx2(Data &d, float *ch0_ptr, float *ch1_ptr, long nbr_spl) noexcept;
	static void run_sse2(Data &d, float *ch0_ptr, float *ch1_ptr, long nbr_spl) noexcept;
};

}  // namespace dsp
