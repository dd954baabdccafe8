// Marks the nodes of the control tree.
#pragma once

#include "gui/SPTreeNodeInterface.h"

namespace ruvava
{

class CtrlGroupNodeInterface : public virtual SPTreeNodeInterface
{
};

}  // namespace ruvava
