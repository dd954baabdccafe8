// The LFO shape switch: each value it takes is written into its text box.
#pragma once

#include "editor/NumParamListener.h"
#include "editor/NumParamMgrInterface.h"

namespace rivo
{

class LfoTypeCtrlListener : public NumParamListener
{
public:
	double change_num_val(double val, int prio) override
	{
		val = NumParamListener::change_num_val(val, prio);
		print_into(NumParamMgrInterface::Slot_LFO_TYPE_TB, val);
		return val;
	}
};

}  // namespace rivo
