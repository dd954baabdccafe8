// Four 90-degree networks side by side, one per lane of an SSE register, for
// voices that run together. Lane by lane it performs exactly the operations of
// Phase90Iir, so a network run here gives the same output as run on its own.
// Chains shorter than the longest are padded with units of coefficient 1,
// which pass their input on unchanged (their T stays, their product stays,
// and their two memories stay equal from rest).
#pragma once

#include "dsp/Phase90Iir.h"

#include <xmmintrin.h>

namespace dsp
{

class Phase90IirX4
{
public:
	static constexpr int NBR_LANES = 4;
	static constexpr int MAX_UNITS = 16;  // per chain: the 32-coefficient network

	// Every lane idle, with identity units and cleared memories.
	void reset() noexcept
	{
		for (int lane = 0; lane < NBR_LANES; ++lane)
		{
			for (int chain = 0; chain < 2; ++chain)
			{
				for (int i = 0; i < MAX_UNITS; ++i)
				{
					_coef[chain][i][lane] = 1;
					_prod[chain][i][lane] = 1;
					_x[chain][i][0][lane] = _x[chain][i][1][lane] = 0;
					_y[chain][i][0][lane] = _y[chain][i][1][lane] = 0;
				}
			}
			_prev_in[lane] = 0;
		}
		_nbr_units = 0;
		_mem_pos = 0;
	}

	// Copies a network's coefficients and state into a lane.
	template <int N>
	void load_lane(int lane, const Phase90Iir<N> &net) noexcept
	{
		const int r = net.get_mem_pos();
		for (int chain = 0; chain < 2; ++chain)
		{
			for (int i = 0; i < N / 2; ++i)
			{
				const BiPhaseAllPassUnit &unit = net.use_unit(chain, i);
				_coef[chain][i][lane] = unit.get_coef();
				_prod[chain][i][lane] = net.get_product(chain, i);
				// Our ring starts at cell 0: it holds what the network's cell r holds.
				for (int cell = 0; cell < 2; ++cell)
				{
					unit.get_mem(r ^ cell, _x[chain][i][cell][lane], _y[chain][i][cell][lane]);
				}
			}
			for (int i = N / 2; i < MAX_UNITS; ++i)
			{
				_prod[chain][i][lane] = net.get_product(chain, N / 2 - 1);
			}
		}
		_prev_in[lane] = net.get_prev_in();
		_nbr_units = _nbr_units > N / 2 ? _nbr_units : N / 2;
	}

	// Gives a lane's state back to its network after nbr_spl samples.
	template <int N>
	void store_lane(int lane, Phase90Iir<N> &net, long nbr_spl) const noexcept
	{
		const int r = net.get_mem_pos();
		for (int chain = 0; chain < 2; ++chain)
		{
			for (int i = 0; i < N / 2; ++i)
			{
				BiPhaseAllPassUnit &unit = net.use_unit(chain, i);
				for (int cell = 0; cell < 2; ++cell)
				{
					unit.set_mem(r ^ cell, _x[chain][i][cell][lane], _y[chain][i][cell][lane]);
				}
			}
		}
		net.set_ring_state(r ^ int(nbr_spl & 1), _prev_in[lane]);
	}

	// Call once all lanes are loaded, before the first sample.
	void start() noexcept
	{
		_mem_pos = 0;
		update_acc(0);
		update_acc(1);
	}

	// One sample in each lane; out1 from the delayed branch, as Phase90Iir.
	void process_sample(__m128 &out1, __m128 &out2, __m128 in) noexcept
	{
		out1 = run_chain(1, _mm_load_ps(_prev_in));
		_mm_store_ps(_prev_in, in);
		out2 = run_chain(0, in);
		_mem_pos = 1 - _mem_pos;
		// The next sample's T values depend only on the samples before this
		// one: computing them here, beside this sample's work, lets the two
		// overlap (the arithmetic is that of Phase90Iir::run_chain).
		update_acc(0);
		update_acc(1);
	}

private:
	__m128 run_chain(int chain, __m128 u) noexcept
	{
		const int r = _mem_pos;
		__m128 unit_in = u;
		for (int k = 0; k < _nbr_units; ++k)
		{
			const __m128 y = _mm_add_ps(_mm_mul_ps(_mm_load_ps(_prod[chain][k]), u), _mm_load_ps(_acc[chain][k]));
			_mm_store_ps(_x[chain][k][r], unit_in);
			_mm_store_ps(_y[chain][k][r], y);
			unit_in = y;
		}
		return unit_in;
	}

	// T_k of every unit of a chain for the coming sample (ring cell _mem_pos).
	void update_acc(int chain) noexcept
	{
		const int r = _mem_pos;
		__m128 acc = _mm_setzero_ps();
		for (int k = 0; k < _nbr_units; ++k)
		{
			const __m128 c = _mm_load_ps(_coef[chain][k]);
			const __m128 x2 = _mm_load_ps(_x[chain][k][r]);
			const __m128 y2 = _mm_load_ps(_y[chain][k][r]);
			acc = _mm_add_ps(_mm_mul_ps(c, acc), _mm_sub_ps(_mm_mul_ps(c, y2), x2));
			_mm_store_ps(_acc[chain][k], acc);
		}
	}

	alignas(16) float _coef[2][MAX_UNITS][NBR_LANES];
	alignas(16) float _prod[2][MAX_UNITS][NBR_LANES];
	alignas(16) float _x[2][MAX_UNITS][2][NBR_LANES];
	alignas(16) float _y[2][MAX_UNITS][2][NBR_LANES];
	alignas(16) float _acc[2][MAX_UNITS][NBR_LANES];
	alignas(16) float _prev_in[NBR_LANES];
	int _nbr_units = 0;
	int _mem_pos = 0;
};

}  // namespace dsp
