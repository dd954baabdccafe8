// A range lo..hi on a logarithmic scale: v = lo (hi / lo)^n.
#pragma once

#include "params/NormalizedParamInterface.h"

#include <cmath>

namespace rivo
{

class ParamExpMixin : public virtual NormalizedParamInterface
{
public:
	ParamExpMixin(double lo, double hi) : _lo(lo), _hi(hi), _ln_ratio(std::log(hi / lo)) {}

	double denormalize_val(float nval) const override
	{
		return _lo * std::exp(_ln_ratio * double(nval));
	}
	float normalize_val(double val) const override
	{
		return float(std::log(val / _lo) / _ln_ratio);
	}

	double get_min_val() const noexcept
	{
		return _lo;
	}
	double get_max_val() const noexcept
	{
		return _hi;
	}

private:
	double _lo;
	double _hi;
	double _ln_ratio;
};

}  // namespace rivo
