// An interior node of the background tree.
#pragma once

#include "gui/BackgroundNodeInterface.h"
#include "gui/SPTreeSplit.h"

namespace ruvava
{

class BackgroundSplit : public SPTreeSplit, public BackgroundNodeInterface
{
public:
	explicit BackgroundSplit(int construct_base = 1) noexcept : SPTreeSplit(construct_base) {}
	BackgroundSplit(int construct_base, Type type) noexcept : SPTreeSplit(construct_base, type) {}
};

}  // namespace ruvava
