// Direct form I biquad, unrolled by two with the memories in locals.
#include "dsp/Biquad.h"

namespace dsp
{

void Biquad::begin_coef_change() noexcept
{
	if (_ramp_enabled && !_ramp_pending)
	{
		_start[0] = _b0;
		_start[1] = _b1;
		_start[2] = _b2;
		_start[3] = _a1;
		_start[4] = _a2;
		_ramp_pending = true;
	}
}

void Biquad::set_z_eq(const float b[3], const float a[3]) noexcept
{
	begin_coef_change();
	_b0 = b[0];
	_b1 = b[1];
	_b2 = b[2];
	_a0 = 1;
	_a1 = a[1];
	_a2 = a[2];
}

void Biquad::get_z_eq(float b[3], float a[3]) const noexcept
{
	b[0] = _b0;
	b[1] = _b1;
	b[2] = _b2;
	a[0] = _a0;
	a[1] = _a1;
	a[2] = _a2;
}

void Biquad::get_memories(float x[2], float y[2]) const noexcept
{
	x[0] = _x[0];
	x[1] = _x[1];
	y[0] = _y[0];
	y[1] = _y[1];
}

void Biquad::clear_buffers() noexcept
{
	_x[0] = _x[1] = 0;
	_y[0] = _y[1] = 0;
	_mem_pos = 0;
	_ramp_pending = false;  // from rest, the new coefficients apply at once
}

// One sample through the ring: the older cell takes the new sample.
void Biquad::process_single(float &spl) noexcept
{
	const int recent = _mem_pos;
	const int older = 1 - recent;
	const float x = spl;
	const float y = ((_b0 * x + _b1 * _x[recent] + _b2 * _x[older]) - _a2 * _y[older]) - _a1 * _y[recent];
	_x[older] = x;
	_y[older] = y;
	_mem_pos = older;
	spl = y;
}

template <bool ND>
void Biquad::process_block_tpl(float *data_ptr, long nbr_spl) noexcept
{
	if (nbr_spl <= 0)
	{
		return;
	}
	long pos = 0;
	if (_mem_pos == 1)
	{
		process_single(data_ptr[0]);
		pos = 1;
	}
	// Here cell 0 holds the most recent sample.
	float x1 = _x[0];
	float x2 = _x[1];
	float y1 = _y[0];
	float y2 = _y[1];
	const float b0 = _b0;
	const float b1 = _b1;
	const float b2 = _b2;
	const float a1 = _a1;
	const float a2 = _a2;
	const long end_pair = pos + ((nbr_spl - pos) & ~1L);
	for (; pos < end_pair; pos += 2)
	{
		const float in0 = data_ptr[pos];
		const float in1 = data_ptr[pos + 1];
		const float ff0 = ND ? b0 * in0 + b1 * x1 + b2 * x2 + ANTI_DENORMAL : b0 * in0 + b1 * x1 + b2 * x2;
		// The last output enters last: the recursion's latency is then one
		// multiplication and one subtraction.
		const float out0 = (ff0 - a2 * y2) - a1 * y1;
		const float out1 = ((b0 * in1 + b1 * in0 + b2 * x1) - a2 * y1) - a1 * out0;
		data_ptr[pos] = out0;
		data_ptr[pos + 1] = out1;
		x2 = in0;
		x1 = in1;
		y2 = out0;
		y1 = out1;
	}
	_x[0] = x1;
	_x[1] = x2;
	_y[0] = y1;
	_y[1] = y2;
	if (pos < nbr_spl)
	{
		process_single(data_ptr[pos]);  // leaves the ring index at 1
	}
}

void Biquad::process_block(float *data_ptr, long nbr_spl) noexcept
{
	process_block_tpl<false>(data_ptr, nbr_spl);
}

void Biquad::process_block_nd(float *data_ptr, long nbr_spl) noexcept
{
	process_block_tpl<true>(data_ptr, nbr_spl);
}

}  // namespace dsp
