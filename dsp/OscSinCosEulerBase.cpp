// Quadrature phasor.
#include "dsp/OscSinCosEulerBase.h"

#include <cmath>

namespace dsp
{

void OscSinCosEulerBase::renormalize() noexcept
{
	const double len = std::sqrt(double(_cos) * _cos + double(_sin) * _sin);
	if (len > 0 && std::isfinite(len))
	{
		_cos = float(_cos / len);
		_sin = float(_sin / len);
	}
	else
	{
		_cos = 1;
		_sin = 0;
	}
}

}  // namespace dsp
