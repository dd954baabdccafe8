// Second-order section in direct form I, filtering blocks in place.
#pragma once

namespace dsp
{

class Biquad
{
public:
	// Offset added by process_block_nd to keep the recursion out of subnormal numbers.
	static constexpr float ANTI_DENORMAL = 1e-20f;

	void set_z_eq(const float b[3], const float a[3]) noexcept;
	void get_z_eq(float b[3], float a[3]) const noexcept;

	void process_block(float *data_ptr, long nbr_spl) noexcept;
	// Same, with the anti-denormal offset on the first sample of each pair.
	void process_block_nd(float *data_ptr, long nbr_spl) noexcept;
	void clear_buffers() noexcept;

	// Memories, for tests that look for NaN or subnormal values.
	void get_memories(float x[2], float y[2]) const noexcept;

protected:
	float _b0 = 1;
	float _b1 = 0;
	float _b2 = 0;
	float _a0 = 1;  // always 1, never read by processing
	float _a1 = 0;
	float _a2 = 0;

private:
	template <bool ND>
	void process_block_tpl(float *data_ptr, long nbr_spl) noexcept;
	void process_single(float &spl) noexcept;

	float _x[2] = {0, 0};
	float _y[2] = {0, 0};
	int _mem_pos = 0;  // cell holding the most recent sample
};

}  // namespace dsp
