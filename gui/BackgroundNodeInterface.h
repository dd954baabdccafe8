// Marks the nodes of the background tree.
#pragma once

#include "gui/SPTreeNodeInterface.h"

namespace ruvava
{

class BackgroundNodeInterface : public virtual SPTreeNodeInterface
{
};

}  // namespace ruvava
