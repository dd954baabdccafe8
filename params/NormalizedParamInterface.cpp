// Parameter contract: the coupling of normalised and real values.
#include "params/NormalizedParamInterface.h"

#include <cmath>

namespace rivo
{

void NormalizedParamInterface::init(double real, int level)
{
	set_val_raw(real);
	set_nval_raw(normalize_val(real));
	_automation_level = level;
}

bool NormalizedParamInterface::sanitize_normalized(float &nval) noexcept
{
	if (std::isnan(nval))
	{
		return false;
	}
	nval = nval < 0.0f ? 0.0f : (nval > 1.0f ? 1.0f : nval);
	return true;
}

bool NormalizedParamInterface::set_from_normalized(float nval)
{
	if (!sanitize_normalized(nval))
	{
		return false;
	}
	set_nval_raw(nval);
	// Two threads may write the same parameter at once (host automation and a
	// program change). Each derives the real value from the normalised one it
	// reads back and repeats while that moved, so the last writer leaves a
	// pair that agrees: the host never reads one value while another sounds.
	for (int attempt = 0; attempt < MAX_SETTLE; ++attempt)
	{
		const float cur = _nval.load();
		set_val_raw(denormalize_val(cur));
		do_set_val();
		if (_nval.load() == cur)
		{
			break;
		}
	}
	notify_target();
	return true;
}

}  // namespace rivo
