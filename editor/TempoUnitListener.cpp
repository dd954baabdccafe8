#include "editor/TempoUnitListener.h"

#include "editor/TarvelleGui.h"
#include "gui/ControlInterface.h"
#include "params/TimeUnit.h"

namespace rivo
{

double TempoUnitListener::change_num_val_user(double val, int prio)
{
	val = DefaultEventListener::change_num_val_user(val, prio);
	if (_gui_ptr != nullptr)
	{
		_gui_ptr->change_time_unit((val >= 0.5) ? TimeUnit::UnitType_BEAT : TimeUnit::UnitType_S);
	}
	return val;
}

void TempoUnitListener::update_value()
{
	const TimeUnit *unit_ptr = (_gui_ptr != nullptr) ? _gui_ptr->get_time_unit() : nullptr;
	if (unit_ptr != nullptr && use_ci() != nullptr)
	{
		use_ci()->set_val_auto((unit_ptr->get_unit() != TimeUnit::UnitType_S) ? 1.0 : 0.0, 255);
	}
}

}  // namespace rivo
