// First-order section.
#pragma once

namespace dsp
{

class OnePole
{
public:
	void set_z_eq(const float b[2], const float a[2]) noexcept;
	void get_z_eq(float b[2], float a[2]) const noexcept;

	// y = b0 x + b1 x1 - a1 y1; out_ptr may equal in_ptr. The results do
	// not depend on how the signal is cut into blocks.
	void process_block(float *out_ptr, const float *in_ptr, long nbr_spl) noexcept;
	float process_sample(float x) noexcept;
	// Two independent filters in one pass, in place, so that their recursions
	// overlap; the same results as two process_block calls.
	static void process_block_pair(OnePole &f1, OnePole &f2, float *data1_ptr, float *data2_ptr, long nbr_spl) noexcept;
	void clear_buffers() noexcept;

	float get_x1() const noexcept
	{
		return _x1;
	}
	float get_y1() const noexcept
	{
		return _y1;
	}

protected:
	float _b0 = 1;
	float _b1 = 0;
	float _a0 = 1;  // always 1, never read
	float _a1 = 0;

private:
	struct Steps;
	Steps make_steps() const noexcept;
	void end_steps(const Steps &st, long nbr_spl) noexcept;
	static void run_pairs(Steps &s1, Steps &s2, float *data1_ptr, float *data2_ptr, long nbr_pairs) noexcept;

	float _x1 = 0;
	float _y1 = 0;
	float _pend_v = 0;  // of a pair cut by the end of a block
	float _pend_y = 0;
	bool _odd = false;  // an odd number of samples went through since the last clear
};

}  // namespace dsp
