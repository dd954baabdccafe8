// A message travelling from a component towards the window.
#pragma once

#include "gui/MessageInterface.h"

namespace ruvava
{

class MessageUp : public MessageInterface
{
};

}  // namespace ruvava
