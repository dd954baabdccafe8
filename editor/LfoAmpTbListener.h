// The LFO depth's text box: typed text moves the LFO depth knob.
#pragma once

#include "editor/NumParamTypedListener.h"

namespace rivo
{

using LfoAmpTbListener =
   NumParamTypedListener<NumParamMgrInterface::Slot_LFO_AMP_TB,
                         NumParamMgrInterface::Slot_LFO_AMP_CTRL>;

}  // namespace rivo
