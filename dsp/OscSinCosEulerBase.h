// A quadrature phasor (cos, sin) advanced by complex multiplication.
#pragma once

namespace dsp
{

class OscSinCosEulerBase
{
public:
	virtual ~OscSinCosEulerBase() = default;

	float get_cos() const noexcept
	{
		return _cos;
	}
	float get_sin() const noexcept
	{
		return _sin;
	}
	void set_phasor(float c, float s) noexcept
	{
		_cos = c;
		_sin = s;
	}
	// One sample of rotation.
	void step() noexcept
	{
		const float c = _cos * _step_cos - _sin * _step_sin;
		const float s = _sin * _step_cos + _cos * _step_sin;
		_cos = c;
		_sin = s;
	}
	// Back to unit length; float rounding makes the recursion drift otherwise.
	void renormalize() noexcept;
	float get_step_cos() const noexcept
	{
		return _step_cos;
	}
	float get_step_sin() const noexcept
	{
		return _step_sin;
	}

protected:
	float _cos = 1;
	float _sin = 0;
	float _step_cos = 1;
	float _step_sin = 0;
};

}  // namespace dsp
