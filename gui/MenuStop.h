// Closes the pop-up menu.
#pragma once

#include "gui/MessageUp.h"

namespace ruvava
{

class MenuStop : public MessageUp
{
};

}  // namespace ruvava
