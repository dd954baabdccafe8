// The LFO period's text box: typed text moves the LFO period knob.
#pragma once

#include "editor/NumParamTypedListener.h"

namespace rivo
{

using LfoPerTbListener =
   NumParamTypedListener<NumParamMgrInterface::Slot_LFO_PER_TB,
                         NumParamMgrInterface::Slot_LFO_PER_CTRL>;

}  // namespace rivo
