// A network splitting a signal into two outputs 90 degrees apart.
#pragma once

#include <vector>

namespace dsp
{

class Phase90IirInterface
{
public:
	virtual ~Phase90IirInterface() = default;

	// Chain A takes the even-indexed values, chain B the odd-indexed ones; the
	// source must hold at least get_nbr_coefs() values.
	virtual void set_coefs(const float *coef_ptr) = 0;
	virtual void set_coefs(const std::vector<double> &coef_arr) = 0;
	// out1: delayed branch (chain B), out2: direct branch (chain A).
	virtual void process_sample(float &out1, float &out2, float in) = 0;
	// Either output may be the input buffer.
	virtual void process_block(float *out1_ptr, float *out2_ptr, const float *in_ptr, long nbr_spl) = 0;
	virtual void clear_buffers() = 0;
	virtual int get_nbr_coefs() const = 0;
	// False once a NaN or infinity got into the memories.
	virtual bool is_finite() const = 0;
};

}  // namespace dsp
