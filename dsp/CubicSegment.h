// One cubic Hermite piece of a tabulated function, from values and slopes at both ends.
#pragma once

namespace dsp
{

class CubicSegment
{
public:
	// Piece over [0, 1] of the local variable t, through (0, v0) and (1, v1)
	// with slopes d0 and d1 (per unit of t).
	void set(double v0, double d0, double v1, double d1) noexcept
	{
		_c[0] = float(v0);
		_c[1] = float(d0);
		_c[2] = float(-3 * v0 - 2 * d0 + 3 * v1 - d1);
		_c[3] = float(2 * v0 + d0 - 2 * v1 + d1);
	}
	// Piece of g over [x0, x0 + 1], slopes from central differences.
	template <class G>
	void fit(const G &g, double x0) noexcept
	{
		const double h = DERIV_STEP;
		const double x1 = x0 + 1;
		set(g(x0), (g(x0 + h) - g(x0 - h)) * DERIV_SCALE, g(x1), (g(x1 + h) - g(x1 - h)) * DERIV_SCALE);
	}

	const float *get_coefs() const noexcept
	{
		return _c;
	}

	float eval(float t) const noexcept
	{
		return _c[0] + t * (_c[1] + t * (_c[2] + t * _c[3]));
	}

	// Central difference step and its inverse, as fractions of a table interval.
	static constexpr double DERIV_STEP = 1.0 / 2048;
	static constexpr double DERIV_SCALE = 1024;  // 1 / (2 * DERIV_STEP)

private:
	float _c[4] = {0, 0, 0, 0};
};

}  // namespace dsp
