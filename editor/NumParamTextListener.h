// A control of the edit panel whose every value is written as text into one
// of its manager's text boxes (TB_SLOT, a NumParamMgrInterface::Slot).
#pragma once

#include "editor/NumParamListener.h"
#include "editor/NumParamMgrInterface.h"

namespace rivo
{

template <int TB_SLOT>
class NumParamTextListener : public NumParamListener
{
public:
	double change_num_val(double val, int prio) override
	{
		val = NumParamListener::change_num_val(val, prio);
		print_into(TB_SLOT, val);
		return val;
	}
};

}  // namespace rivo
