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

	virtual ~Phase90Iir() = default;

	void set_coefs(const float *coef_ptr) noexcept
	{
		for (int i = 0; i < NBR_UNITS; ++i)
		{
			_chain_a[i].set_coef(coef_ptr[2 * i]);
			_chain_b[i].set_coef(coef_ptr[2 * i + 1]);
		}
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
	}

	void process_sample(float &out1, float &out2, float in) noexcept
	{
		float b = _prev_in;
		for (auto &unit : _chain_b)
		{
			b = unit.process_sample(b, _mem_pos);
		}
		out1 = b;
		_prev_in = in;
		float a = in;
		for (auto &unit : _chain_a)
		{
			a = unit.process_sample(a, _mem_pos);
		}
		out2 = a;
		_mem_pos = 1 - _mem_pos;
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
	BiPhaseAllPassUnit _chain_a[NBR_UNITS];
	BiPhaseAllPassUnit _chain_b[NBR_UNITS];
	int _mem_pos = 0;
	float _prev_in = 0;
};

}  // namespace dsp
