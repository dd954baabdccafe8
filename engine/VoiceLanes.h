// The sounding voices' per-sample work, up to four voices side by side in
// eight register lanes: lane 2 s + c belongs to slot s, c = 0 carrying the
// network chain fed with the current input, c = 1 the chain fed with the one
// before. Slot s's lanes then carry its two output channels through the band
// filter, the saturator and the pan mix.
//
// The network is kept in state form: chain unit k gives P_k u + T_k, P_k the
// product of the chain's first k coefficients and T_k a sum over samples two
// steps back at least, T_k = c_k T_(k-1) + S_k with
//   S_k[n + 2] = d_k u[n] + c_k T_k[n] - T_(k-1)[n],   d_k = c_k P_k - P_(k-1).
// The input's share in T_k[n + 2] is G_k u[n], G_k = c_k G_(k-1) + d_k; the
// lanes keep R_k = T_k - G_k u[n - 2] instead, which follows
//   R_k[n + 2] = c_k R_(k-1)[n + 2] + c_k R_k[n] - R_(k-1)[n] + H_k u[n - 2],
// H_k = c_k G_k - G_(k-1). Nothing of that waits for the feedback of the
// sample before: the long chain of dependent steps along the units runs
// ahead, and the feedback reaches the chain's output
// P u[n] + R_last[n] + G_last u[n - 2] through one multiply-add.
//
// The work is compiled three times, for AVX-512, for AVX2 with fused
// multiply-adds and for SSE2, and the processor chooses once at start-up;
// each gives the same result whatever the host's block size. The AVX-512 path
// updates R for two samples at once (cells 0 and 1 side by side in one
// register) and gives the very samples of the AVX2 path; the SSE2 path
// differs from them only by its roundings.
#pragma once

#include "dsp/SimdChoice.h"

class VoiceLanes
{
public:
	static constexpr int NBR_LANES = 8;
	static constexpr int NBR_SLOTS = 4;
	static constexpr int MAX_UNITS = 16;
	static constexpr int MAX_LEN = 256;  // samples per run
	static constexpr int FDBK_SEGS = 8;  // feedback saturator: cubic pieces over -4..4
	static constexpr int FDBK_LO = -4;
	static constexpr int OUT_SEGS = 32;  // output saturator: pieces over -26..6
	static constexpr int OUT_LO = -26;

	// What a run reads and the state it carries on, lane by lane.
	struct Data
	{
		using Lanes = float[NBR_LANES];

		int nbr_units;  // the longest chain of the slots in use
		int width;      // lanes in use: 2, 4 or 8 (one, two, or three and four slots)
		int cell;       // T ring cell of the next sample
		bool fdbk;      // a slot has feedback
		bool band;      // a slot has its band filter on

		// Coefficients and H_k stay from frame to frame (clear_slots leaves
		// them): a slot loads them again only for another network or chain
		// length, coef_of and coef_units telling which it holds.
		alignas(32) Lanes coef[MAX_UNITS];
		alignas(32) Lanes h[MAX_UNITS];   // H_k
		const void *coef_of[NBR_SLOTS];
		int coef_units[NBR_SLOTS];
		alignas(32) Lanes prod;           // P of the chain's last unit
		alignas(32) Lanes g_last;         // G of the chain's last unit
		alignas(64) Lanes r[MAX_UNITS][2];  // R of each unit, ring cells side by side
		alignas(32) Lanes u_last;   // the chain inputs of the last sample
		alignas(32) Lanes u_last2;  // and of the one before

		// Quadrature oscillator and colour phasors, the same in both lanes of a slot.
		alignas(32) Lanes osc_c;
		alignas(32) Lanes osc_s;
		alignas(32) Lanes osc_step_c;
		alignas(32) Lanes osc_step_s;
		alignas(32) Lanes col_c;
		alignas(32) Lanes col_s;
		alignas(32) Lanes col_rot_c;
		alignas(32) Lanes col_rot_s;
		// Feedback level at frame position i: lvl + i lvl_step.
		alignas(32) Lanes lvl;
		alignas(32) Lanes lvl_step;
		alignas(32) Lanes fdbk_state;

		// Band filter (1, 0, 0, 0, 0 when off) and its memories.
		alignas(32) Lanes b0;
		alignas(32) Lanes b1;
		alignas(32) Lanes b2;
		alignas(32) Lanes a1;
		alignas(32) Lanes a2;
		alignas(32) Lanes x1;
		alignas(32) Lanes x2;
		alignas(32) Lanes y1;
		alignas(32) Lanes y2;

		// Gain before the saturator and the pan matrix's columns to the left
		// and right outputs, each ramping as value + i step.
		alignas(32) Lanes gain;
		alignas(32) Lanes gain_step;
		alignas(32) Lanes to_l;
		alignas(32) Lanes to_l_step;
		alignas(32) Lanes to_r;
		alignas(32) Lanes to_r_step;

		// Saturators: cubic coefficients j of piece p at [j][p], values beyond both ends.
		alignas(32) float fdbk_tab[4][FDBK_SEGS];
		float fdbk_lo_val;
		float fdbk_hi_val;
		alignas(64) float out_tab[4][OUT_SEGS];
		float out_lo_val;
		float out_hi_val;

		// The run's output channels, width lanes per sample.
		alignas(64) float scratch[MAX_LEN * NBR_LANES + 64];
	};

	VoiceLanes() noexcept;

	Data &use_data() noexcept
	{
		return _data;
	}
	const Data &use_data() const noexcept
	{
		return _data;
	}
	// Every slot empty: silent lanes that add nothing.
	void clear_slots() noexcept;
	// nbr_spl <= MAX_LEN samples of the mono input through every slot, added
	// onto left and right (which may be one buffer: both then add up there).
	// first is the first sample's position in the frame, for the ramps.
	void run(const float *in_ptr, float *left_ptr, float *right_ptr, long first, long nbr_spl) noexcept;

	// An older instruction set's path on a newer processor, for tests.
	void force_isa(dsp::SimdChoice::Isa isa) noexcept;

	// The three compilations, each in its own translation unit.
	static void run_avx512(Data &d, const float *in_ptr, float *left_ptr, float *right_ptr, long first,
	                       long nbr_spl) noexcept;
	static void run_avx2(Data &d, const float *in_ptr, float *left_ptr, float *right_ptr, long first,
	                     long nbr_spl) noexcept;
	static void run_sse2(Data &d, const float *in_ptr, float *left_ptr, float *right_ptr, long first,
	                     long nbr_spl) noexcept;

private:
	alignas(64) Data _data;
	dsp::SimdChoice::Isa _isa = dsp::SimdChoice::Isa::SSE2;
};
