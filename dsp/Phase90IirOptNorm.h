// The network behind the common interface, as the voices hold it.
#pragma once

#include "dsp/Phase90Iir.h"
#include "dsp/Phase90IirInterface.h"

namespace dsp
{

template <int N>
class Phase90IirOptNorm : public Phase90IirInterface
{
public:
	void set_coefs(const float *coef_ptr) override
	{
		_network.set_coefs(coef_ptr);
	}
	void set_coefs(const std::vector<double> &coef_arr) override
	{
		_network.set_coefs(coef_arr);
	}
	void process_sample(float &out1, float &out2, float in) override
	{
		_network.process_sample(out1, out2, in);
	}
	void process_block(float *out1_ptr, float *out2_ptr, const float *in_ptr, long nbr_spl) override
	{
		_network.process_block(out1_ptr, out2_ptr, in_ptr, nbr_spl);
	}
	void clear_buffers() override
	{
		_network.clear_buffers();
	}
	int get_nbr_coefs() const override
	{
		return N;
	}
	bool is_finite() const override
	{
		return _network.is_finite();
	}

	// The concrete network, for callers that run their own per-sample loop.
	Phase90Iir<N> &use_network() noexcept
	{
		return _network;
	}

private:
	Phase90Iir<N> _network;
};

}  // namespace dsp
