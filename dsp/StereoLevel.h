// Gains of a 2 x 2 mixing matrix.
#pragma once

namespace dsp
{

class StereoLevel
{
public:
	StereoLevel() = default;
	StereoLevel(float ll, float lr, float rl, float rr) noexcept : _l2l(ll), _l2r(lr), _r2l(rl), _r2r(rr) {}

	float get_l2l() const noexcept
	{
		return _l2l;
	}
	float get_l2r() const noexcept
	{
		return _l2r;
	}
	float get_r2l() const noexcept
	{
		return _r2l;
	}
	float get_r2r() const noexcept
	{
		return _r2r;
	}
	void set(float ll, float lr, float rl, float rr) noexcept
	{
		_l2l = ll;
		_l2r = lr;
		_r2l = rl;
		_r2r = rr;
	}
	bool operator==(const StereoLevel &o) const noexcept
	{
		return _l2l == o._l2l && _l2r == o._l2r && _r2l == o._r2l && _r2r == o._r2r;
	}

private:
	float _l2l = 1;  // left to left
	float _l2r = 0;  // left to right
	float _r2l = 0;  // right to left
	float _r2r = 1;  // right to right
};

}  // namespace dsp
