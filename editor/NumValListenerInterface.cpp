#include "editor/NumValListenerInterface.h"

#include "editor/NumParamMgrInterface.h"

namespace rivo
{

void NumValListenerInterface::activate()
{
	if (NumParamMgrInterface *mgr_ptr = use_num_param_mgr())
	{
		mgr_ptr->select();
	}
}

double NumValListenerInterface::change_num_val(double val, int prio)
{
	val = NumParamListener::change_num_val(val, prio);
	print_into(NumParamMgrInterface::Slot_VAL_TB, val);
	return val;
}

}  // namespace rivo
