// The main control of an editable parameter: a click selects the parameter
// in the edit panel, and every value it takes is written as text there.
#pragma once

#include "editor/NumParamTextListener.h"

namespace rivo
{

class NumValListenerInterface : public NumParamTextListener<NumParamMgrInterface::Slot_VAL_TB>
{
public:
	void activate() override;
};

}  // namespace rivo
