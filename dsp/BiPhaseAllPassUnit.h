// Second-order all-pass section in z^-2: H(z) = (c - z^-2) / (1 - c z^-2).
#pragma once

namespace dsp
{

class BiPhaseAllPassUnit
{
public:
	void set_coef(float c) noexcept
	{
		_coef = c;
	}
	float get_coef() const noexcept
	{
		return _coef;
	}

	// r: the ring cell holding this unit's input and output of two samples ago.
	// y[n] = c u[n] - u[n-2] + c y[n-2], grouped so that the part known before
	// u arrives is computed first: in a feedback loop u -> y is then one
	// multiplication and one addition.
	float process_sample(float u, int r) noexcept
	{
		const float y = _coef * u + (_coef * _y[r] - _x[r]);
		_x[r] = u;
		_y[r] = y;
		return y;
	}

	// Input and output memory of one ring cell.
	void get_mem(int cell, float &x, float &y) const noexcept
	{
		x = _x[cell];
		y = _y[cell];
	}
	void set_mem(int cell, float x, float y) noexcept
	{
		_x[cell] = x;
		_y[cell] = y;
	}

	void clear_buffers() noexcept
	{
		_x[0] = _x[1] = 0;
		_y[0] = _y[1] = 0;
	}

	bool is_finite() const noexcept;

private:
	float _coef = 1;
	float _x[2] = {0, 0};
	float _y[2] = {0, 0};
};

}  // namespace dsp
