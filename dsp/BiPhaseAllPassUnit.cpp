// All-pass section state check.
#include "dsp/BiPhaseAllPassUnit.h"

#include <cmath>

namespace dsp
{

bool BiPhaseAllPassUnit::is_finite() const noexcept
{
	return std::isfinite(_x[0]) && std::isfinite(_x[1]) && std::isfinite(_y[0]) && std::isfinite(_y[1]);
}

}  // namespace dsp
