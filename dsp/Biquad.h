// Second-order section in direct form I, filtering blocks in place.
#pragma once

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

}  // namespace dsp
