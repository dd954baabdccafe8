// Polyphase IIR 90-degree network: two chains of N/2 all-pass units in z^-2,
// chain B fed with the input delayed by one sample.
#pragma once

#include "dsp/BiPhaseAllPassUnit.h"

#include <cmath>
#include <vector>

namespace dsp
{

template <int N>
class Phase90Iir
{
	static_assert(N >= 2 && N % 2 == 0, "N must be even");

public:
	static constexpr int NBR_COEFS = N;
	static constexpr int NBR_UNITS = N / 2;

	Phase90Iir() noexcept
	{
		update_products();
	}
	virtual ~Phase90Iir() = default;

	void set_coefs(const float *coef_ptr) noexcept
	{
		for (int i = 0; i < NBR_UNITS; ++i)
		{
			_chain_a[i].set_coef(coef_ptr[2 * i]);
			_chain_b[i].set_coef(coef_ptr[2 * i + 1]);
		}
		update_products();
	}

	void set_coefs(const std::vector<double> &coef_arr) noexcept
	{
		if (coef_arr.size() < size_t(N))
		{
			return;
		}
		for (int i = 0; i < NBR_UNITS; ++i)
		{
			_chain_a[i].set_coef(float(coef_arr[size_t(2 * i)]));
			_chain_b[i].set_coef(float(coef_arr[size_t(2 * i + 1)]));
		}
		update_products();
	}

	// Each unit computes y[n] = c u[n] - u[n-2] + c y[n-2]. Unrolled along the
	// chain, the output of unit k is P_k u + T_k, where P_k is the product of
	// the first k coefficients and T_k = c_k T_(k-1) + (c_k y_k[n-2] - u_k[n-2])
	// depends only on past samples. So a new input reaches the chain's output
	// through one multiplication and one addition, however long the chain: a
	// feedback loop around the network does not wait for every unit in turn.
	void process_sample(float &out1, float &out2, float in) noexcept
	{
		out1 = run_chain(_chain_b, _prod_b, _prev_in);
		_prev_in = in;
		out2 = run_chain(_chain_a, _prod_a, in);
		_mem_pos = 1 - _mem_pos;
	}

	// Product of the coefficients of units 0..index of a chain.
	float get_product(int chain, int index) const noexcept
	{
		return chain == 0 ? _prod_a[index] : _prod_b[index];
	}

	// Sample by sample: the out-of-order core then overlaps the units of
	// successive samples, which beats running each unit over the whole block
	// (that pass is bound by the latency of the unit's own recursion).
	void process_block(float *out1_ptr, float *out2_ptr, const float *in_ptr, long nbr_spl) noexcept
	{
		for (long pos = 0; pos < nbr_spl; ++pos)
		{
			process_sample(out1_ptr[pos], out2_ptr[pos], in_ptr[pos]);
		}
	}

	void clear_buffers() noexcept
	{
		for (auto &unit : _chain_a)
		{
			unit.clear_buffers();
		}
		for (auto &unit : _chain_b)
		{
			unit.clear_buffers();
		}
		_prev_in = 0;
		_mem_pos = 0;
	}

	// Access for code that runs the network its own way.
	BiPhaseAllPassUnit &use_unit(int chain, int index) noexcept
	{
		return chain == 0 ? _chain_a[index] : _chain_b[index];
	}
	const BiPhaseAllPassUnit &use_unit(int chain, int index) const noexcept
	{
		return chain == 0 ? _chain_a[index] : _chain_b[index];
	}
	int get_mem_pos() const noexcept
	{
		return _mem_pos;
	}
	float get_prev_in() const noexcept
	{
		return _prev_in;
	}
	void set_ring_state(int mem_pos, float prev_in) noexcept
	{
		_mem_pos = mem_pos;
		_prev_in = prev_in;
	}

	bool is_finite() const noexcept
	{
		for (int i = 0; i < NBR_UNITS; ++i)
		{
			if (!_chain_a[i].is_finite() || !_chain_b[i].is_finite())
			{
				return false;
			}
		}
		return std::isfinite(_prev_in);
	}

private:
	float run_chain(BiPhaseAllPassUnit *chain, const float *prod, float u) noexcept
	{
		const int r = _mem_pos;
		float acc = 0;  // T_(k-1)
		float unit_in = u;
		for (int k = 0; k < NBR_UNITS; ++k)
		{
			BiPhaseAllPassUnit &unit = chain[k];
			const float c = unit.get_coef();
			float x2;
			float y2;
			unit.get_mem(r, x2, y2);
			acc = c * acc + (c * y2 - x2);
			const float y = prod[k] * u + acc;
			unit.set_mem(r, unit_in, y);
			unit_in = y;
		}
		return unit_in;
	}

	void update_products() noexcept
	{
		double pa = 1;
		double pb = 1;
		for (int i = 0; i < NBR_UNITS; ++i)
		{
			pa *= double(_chain_a[i].get_coef());
			pb *= double(_chain_b[i].get_coef());
			_prod_a[i] = float(pa);
			_prod_b[i] = float(pb);
		}
	}

	BiPhaseAllPassUnit _chain_a[NBR_UNITS];
	BiPhaseAllPassUnit _chain_b[NBR_UNITS];
	float _prod_a[NBR_UNITS] = {};
	float _prod_b[NBR_UNITS] = {};
	int _mem_pos = 0;
	float _prev_in = 0;
};

}  // namespace dsp
