// The edit panel's value text box: typed text moves the main control.
#pragma once

#include "editor/NumParamTypedListener.h"

namespace rivo
{

using NumValTbListener = NumParamTypedListener<NumParamMgrInterface::Slot_VAL_TB, -1>;

}  // namespace rivo
