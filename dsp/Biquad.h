// Second-order section in direct form I, filtering blocks in place.
#pragma once

#include <xmmintrin.h>

namespace dsp
{

class Biquad
{
public:
	// Offset added by process_block_nd to keep the recursion out of subnormal numbers.
	static constexpr float ANTI_DENORMAL = 1e-20f;

	// With ramping on, process_chains moves a filter's coefficients linearly
	// from those of the last block to the new ones across the next block, so
	// that a moving filter does not step once per block (zipper noise). Off,
	// new coefficients apply at once.
	void enable_coef_ramp(bool flag) noexcept
	{
		_ramp_enabled = flag;
		_ramp_pending = false;
	}
	// For a filter left out of a block (a channel not in use): its new
	// coefficients apply from now on, so a later ramp starts from them.
	void end_coef_ramp() noexcept
	{
		_ramp_pending = false;
	}
	// For a filter left out while it was flat: its memories as if it had
	// passed its input through, last being the latest input and before the
	// one before, so that it takes over again without a click.
	void assume_passed(float last, float before) noexcept
	{
		_x[_mem_pos] = _y[_mem_pos] = last;
		_x[1 - _mem_pos] = _y[1 - _mem_pos] = before;
	}
	float get_last_input() const noexcept
	{
		return _x[_mem_pos];
	}
	void set_z_eq(const float b[3], const float a[3]) noexcept;
	void get_z_eq(float b[3], float a[3]) const noexcept;

	void process_block(float *data_ptr, long nbr_spl) noexcept;
	// Same, with the anti-denormal offset on the first sample of each pair.
	void process_block_nd(float *data_ptr, long nbr_spl) noexcept;
	void clear_buffers() noexcept;

	// Memories, for tests that look for NaN or subnormal values.
	void get_memories(float x[2], float y[2]) const noexcept;

	// Runs C channels through chains of N biquads each, sample by sample: the
	// recursions of all filters then overlap instead of running one after
	// another. Same results as process_block on each filter in turn (with
	// process_block_nd on the first filter of each chain when ND_FIRST).
	// A coefficient ramp spans ramp_len samples (0: this call), of which this
	// call is the part from ramp_pos on: a ramp may go across several calls.
	template <int C, int N, bool ND_FIRST>
	static void process_chains(Biquad *const chain_arr[C][N], float *const data_arr[C], long nbr_spl,
	                           long ramp_pos = 0, long ramp_len = 0) noexcept;

protected:
	friend class BiquadPipe;

	// Call before writing new coefficients: with ramping on, keeps the ones
	// the last block ended with as the ramp's start.
	void begin_coef_change() noexcept;

	float _b0 = 1;
	float _b1 = 0;
	float _b2 = 0;
	float _a0 = 1;  // always 1, never read by processing
	float _a1 = 0;
	float _a2 = 0;

private:
	struct State
	{
		float x1, x2, y1, y2;  // last and second-to-last input and output
	};
	State get_state() const noexcept
	{
		const int r = _mem_pos;
		return {_x[r], _x[1 - r], _y[r], _y[1 - r]};
	}
	// Stores the state after nbr_spl more samples went through the ring.
	void set_state(const State &st, long nbr_spl) noexcept
	{
		const int r = _mem_pos ^ int(nbr_spl & 1);
		_x[r] = st.x1;
		_x[1 - r] = st.x2;
		_y[r] = st.y1;
		_y[1 - r] = st.y2;
		_mem_pos = r;
	}

	// With RAMP, coefficient i of sample pos is co + dco (ramp_pos + pos): the
	// same for a ramp run in one call or in pieces.
	template <int C, int N, bool ND_FIRST, bool RAMP>
	static void process_chains_loop(Biquad *const chain_arr[C][N], float *const data_arr[C], long nbr_spl,
	                                long ramp_pos, State st[C][N], const float co[C][N][5],
	                                const float dco[C][N][5]) noexcept;
	template <bool ND>
	void process_block_tpl(float *data_ptr, long nbr_spl) noexcept;
	void process_single(float &spl) noexcept;

	float _x[2] = {0, 0};
	float _y[2] = {0, 0};
	int _mem_pos = 0;  // cell holding the most recent sample
	bool _ramp_enabled = false;
	bool _ramp_pending = false;  // _start holds the coefficients the last block ended with
	float _start[5] = {1, 0, 0, 0, 0};  // b0, b1, b2, a1, a2
};

template <int C, int N, bool ND_FIRST>
void Biquad::process_chains(Biquad *const chain_arr[C][N], float *const data_arr[C], long nbr_spl, long ramp_pos,
                            long ramp_len) noexcept
{
	if (ramp_len <= 0)
	{
		ramp_pos = 0;
		ramp_len = nbr_spl;
	}
	const bool ramp_ends = ramp_pos + nbr_spl >= ramp_len;
	if (nbr_spl <= 0)
	{
		return;
	}
	State st[C][N];
	float co[C][N][5];
	float dco[C][N][5];
	bool ramp = false;
	for (int c = 0; c < C; ++c)
	{
		for (int k = 0; k < N; ++k)
		{
			Biquad &f = *chain_arr[c][k];
			st[c][k] = f.get_state();
			const float target[5] = {f._b0, f._b1, f._b2, f._a1, f._a2};
			for (int i = 0; i < 5; ++i)
			{
				dco[c][k][i] = f._ramp_pending ? (target[i] - f._start[i]) / float(ramp_len) : 0.0f;
				co[c][k][i] = f._ramp_pending ? f._start[i] : target[i];
			}
			ramp = ramp || f._ramp_pending;
			f._ramp_pending = f._ramp_pending && !ramp_ends;
		}
	}
	if (ramp)
	{
		process_chains_loop<C, N, ND_FIRST, true>(chain_arr, data_arr, nbr_spl, ramp_pos, st, co, dco);
	}
	else
	{
		process_chains_loop<C, N, ND_FIRST, false>(chain_arr, data_arr, nbr_spl, ramp_pos, st, co, dco);
	}
	for (int c = 0; c < C; ++c)
	{
		for (int k = 0; k < N; ++k)
		{
			chain_arr[c][k]->set_state(st[c][k], nbr_spl);
		}
	}
}

template <int C, int N, bool ND_FIRST, bool RAMP>
void Biquad::process_chains_loop(Biquad *const chain_arr[C][N], float *const data_arr[C], long nbr_spl,
                                 long ramp_pos, State st[C][N], const float co[C][N][5],
                                 const float dco[C][N][5]) noexcept
{
	// The block-wise filter puts the offset on the first sample of each pair,
	// pairs starting after the ring is back at cell 0 and needing a partner.
	const int nd_parity = ND_FIRST ? chain_arr[0][0]->_mem_pos : 0;
	auto has_offset = [nd_parity, nbr_spl](long pos) {
		return ND_FIRST && ((nd_parity + pos) & 1) == 0 && pos + 1 < nbr_spl;
	};
	if constexpr (C == 2)
	{
		// Two channels side by side in the lanes of one register: the same
		// operations in the same order as the scalar path, lane by lane.
		__m128 sx1[N], sx2[N], sy1[N], sy2[N], q[N][5], dq[N][5];
		for (int k = 0; k < N; ++k)
		{
			sx1[k] = _mm_setr_ps(st[0][k].x1, st[1][k].x1, 0, 0);
			sx2[k] = _mm_setr_ps(st[0][k].x2, st[1][k].x2, 0, 0);
			sy1[k] = _mm_setr_ps(st[0][k].y1, st[1][k].y1, 0, 0);
			sy2[k] = _mm_setr_ps(st[0][k].y2, st[1][k].y2, 0, 0);
			for (int i = 0; i < 5; ++i)
			{
				q[k][i] = _mm_setr_ps(co[0][k][i], co[1][k][i], 0, 0);
				dq[k][i] = _mm_setr_ps(dco[0][k][i], dco[1][k][i], 0, 0);
			}
		}
		const __m128 ad = _mm_set1_ps(ANTI_DENORMAL);
		float *const d0 = data_arr[0];
		float *const d1 = data_arr[1];
		__m128 q0[N][5];
		for (int k = 0; k < N; ++k)
		{
			for (int i = 0; i < 5; ++i)
			{
				q0[k][i] = q[k][i];
			}
		}
		for (long pos = 0; pos < nbr_spl; ++pos)
		{
			__m128 v = _mm_setr_ps(d0[pos], d1[pos], 0, 0);
			if constexpr (RAMP)
			{
				const __m128 idx = _mm_set1_ps(float(ramp_pos + pos));
				for (int k = 0; k < N; ++k)
				{
					for (int i = 0; i < 5; ++i)
					{
						q[k][i] = _mm_add_ps(q0[k][i], _mm_mul_ps(dq[k][i], idx));
					}
				}
			}
			for (int k = 0; k < N; ++k)
			{
				__m128 ff = _mm_add_ps(_mm_add_ps(_mm_mul_ps(q[k][0], v), _mm_mul_ps(q[k][1], sx1[k])),
				                       _mm_mul_ps(q[k][2], sx2[k]));
				if (k == 0 && has_offset(pos))
				{
					ff = _mm_add_ps(ff, ad);
				}
				const __m128 y = _mm_sub_ps(_mm_sub_ps(ff, _mm_mul_ps(q[k][4], sy2[k])), _mm_mul_ps(q[k][3], sy1[k]));
				sx2[k] = sx1[k];
				sx1[k] = v;
				sy2[k] = sy1[k];
				sy1[k] = y;
				v = y;
			}
			float out[4];
			_mm_storeu_ps(out, v);
			d0[pos] = out[0];
			d1[pos] = out[1];
		}
		for (int k = 0; k < N; ++k)
		{
			float t[4][4];
			_mm_storeu_ps(t[0], sx1[k]);
			_mm_storeu_ps(t[1], sx2[k]);
			_mm_storeu_ps(t[2], sy1[k]);
			_mm_storeu_ps(t[3], sy2[k]);
			for (int c = 0; c < 2; ++c)
			{
				st[c][k] = {t[0][c], t[1][c], t[2][c], t[3][c]};
			}
		}
	}
	else
	{
		for (long pos = 0; pos < nbr_spl; ++pos)
		{
			const bool offset = has_offset(pos);
			for (int c = 0; c < C; ++c)
			{
				float v = data_arr[c][pos];
				for (int k = 0; k < N; ++k)
				{
					State &s = st[c][k];
					float q[5];
					for (int i = 0; i < 5; ++i)
					{
						q[i] = RAMP ? co[c][k][i] + dco[c][k][i] * float(ramp_pos + pos) : co[c][k][i];
					}
					float ff = q[0] * v + q[1] * s.x1 + q[2] * s.x2;
					if (k == 0 && offset)
					{
						ff += ANTI_DENORMAL;
					}
					const float y = (ff - q[4] * s.y2) - q[3] * s.y1;
					s.x2 = s.x1;
					s.x1 = v;
					s.y2 = s.y1;
					s.y1 = y;
					v = y;
				}
				data_arr[c][pos] = v;
			}
		}
	}
}

}  // namespace dsp
