#include "editor/TimeNotchListener.h"

#include "gui/PotInterface.h"
#include "params/NormalizedParamInterface.h"
#include "params/TimeUnit.h"

#include <algorithm>
#include <cmath>

namespace rivo
{

const double TimeNotchListener::OSCRATE_NOTCH_LIST[] = {
   1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 24, 1.0 / 16, 1.0 / 12, 1.0 / 8, 1.0 / 6, 1.0 / 4, 1.0 / 3,
   3.0 / 8,   1.0 / 2,   2.0 / 3,  3.0 / 4,  1,        4.0 / 3,  3.0 / 2,  2,       3,       4,       6,
   8,         12,        16,       24,       32,       48,       64,       96,      128,     192,     256};
const int TimeNotchListener::OSCRATE_NOTCH_LIST_LEN = int(sizeof(OSCRATE_NOTCH_LIST) / sizeof(OSCRATE_NOTCH_LIST[0]));

double TimeNotchListener::beats_to_norm_pos(double beats)
{
	const NormalizedParamInterface *param_ptr = use_param();
	if (param_ptr == nullptr)
	{
		return -1;
	}
	// Values outside the range would clamp onto the ends and stack there.
	const double nval = double(param_ptr->normalize_val(beats));
	if (std::abs(param_ptr->denormalize_val(float(nval)) - beats) > beats * 1e-3)
	{
		return -1;
	}
	return convert_norm_val_to_ctrl_pos(nval);
}

void TimeNotchListener::change_time_unit(const TimeUnit &unit)
{
	_notches.clear();
	for (const double d : _table)
	{
		const double beats = (unit.get_unit() == TimeUnit::UnitType_BEAT) ? d : unit.convert_time_to_beats(d);
		const double pos = beats_to_norm_pos(beats);
		if (pos >= 0 && pos <= 1)
		{
			_notches.push_back(pos);
		}
	}
	std::sort(_notches.begin(), _notches.end());
	if (auto *pot_ptr = dynamic_cast<ruvava::PotInterface *>(use_ci()))
	{
		pot_ptr->set_notch_list(_notches);
	}
}

}  // namespace rivo
