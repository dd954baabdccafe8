// First-order section.
#include "dsp/OnePole.h"

namespace dsp
{

void OnePole::set_z_eq(const float b[2], const float a[2]) noexcept
{
	_b0 = b[0];
	_b1 = b[1];
	_a0 = 1;
	_a1 = a[1];
}

void OnePole::get_z_eq(float b[2], float a[2]) const noexcept
{
	b[0] = _b0;
	b[1] = _b1;
	a[0] = _a0;
	a[1] = _a1;
}

void OnePole::process_block(float *out_ptr, const float *in_ptr, long nbr_spl) noexcept
{
	float x1 = _x1;
	float y1 = _y1;
	const float b0 = _b0;
	const float b1 = _b1;
	const float a1 = _a1;
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		const float x = in_ptr[pos];
		const float y = b0 * x + b1 * x1 - a1 * y1;
		out_ptr[pos] = y;
		x1 = x;
		y1 = y;
	}
	_x1 = x1;
	_y1 = y1;
}

void OnePole::process_block_pair(OnePole &f1, OnePole &f2, float *data1_ptr, float *data2_ptr, long nbr_spl) noexcept
{
	float x1a = f1._x1, y1a = f1._y1, x1b = f2._x1, y1b = f2._y1;
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		const float xa = data1_ptr[pos];
		const float xb = data2_ptr[pos];
		const float ya = f1._b0 * xa + f1._b1 * x1a - f1._a1 * y1a;
		const float yb = f2._b0 * xb + f2._b1 * x1b - f2._a1 * y1b;
		data1_ptr[pos] = ya;
		data2_ptr[pos] = yb;
		x1a = xa;
		y1a = ya;
		x1b = xb;
		y1b = yb;
	}
	f1._x1 = x1a;
	f1._y1 = y1a;
	f2._x1 = x1b;
	f2._y1 = y1b;
}

float OnePole::process_sample(float x) noexcept
{
	const float y = _b0 * x + _b1 * _x1 - _a1 * _y1;
	_x1 = x;
	_y1 = y;
	return y;
}

void OnePole::clear_buffers() noexcept
{
	_x1 = 0;
	_y1 = 0;
}

}  // namespace dsp
