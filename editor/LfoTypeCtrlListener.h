// The LFO shape switch: each shape it takes is written into its text box.
#pragma once

#include "editor/NumParamTextListener.h"

namespace rivo
{

using LfoTypeCtrlListener = NumParamTextListener<NumParamMgrInterface::Slot_LFO_TYPE_TB>;

}  // namespace rivo
