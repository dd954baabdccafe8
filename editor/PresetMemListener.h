// The preset panel's memory-mode switch: while on, a memory button stores
// the current sound instead of recalling it (the buttons read its value).
#pragma once

#include "gui/DefaultEventListener.h"

namespace rivo
{

class PresetMemListener : public ruvava::DefaultEventListener
{
};

}  // namespace rivo
