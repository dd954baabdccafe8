// The LFO period knob: each value it takes is written into its text box.
#pragma once

#include "editor/NumParamTextListener.h"

namespace rivo
{

using LfoPerCtrlListener = NumParamTextListener<NumParamMgrInterface::Slot_LFO_PER_TB>;

}  // namespace rivo
