// The LFO depth knob: each value it takes is written into its text box.
#pragma once

#include "editor/NumParamTextListener.h"

namespace rivo
{

using LfoAmpCtrlListener = NumParamTextListener<NumParamMgrInterface::Slot_LFO_AMP_TB>;

}  // namespace rivo
