// One meta control per parameter, by index.
#pragma once

#include "editor/MetaControl.h"

#include <vector>

namespace rivo
{

class MetaControlList : public std::vector<MetaControl>
{
};

}  // namespace rivo
