// Clip detection.
#include "dsp/ClipDetector.h"

namespace dsp
{

void ClipDetector::activate_detection(bool flag) noexcept
{
	_active.store(flag, std::memory_order_relaxed);
	if (!flag)
	{
		clear_state();
	}
}

void ClipDetector::process_block(const float *data_ptr, long nbr_spl) noexcept
{
	if (!is_active())
	{
		return;
	}
	for (long pos = 0; pos < nbr_spl; ++pos)
	{
		const float x = data_ptr[pos];
		// Written as "not within" so that NaN also lights the clip indicator.
		if (!(x >= -1.0f && x <= 1.0f))
		{
			_clipping.store(true, std::memory_order_relaxed);
			return;
		}
	}
}

}  // namespace dsp
