// An interior node of the control tree.
#pragma once

#include "gui/CtrlGroupNodeInterface.h"
#include "gui/SPTreeSplit.h"

namespace ruvava
{

class CtrlGroupSplit : public SPTreeSplit, public CtrlGroupNodeInterface
{
public:
	explicit CtrlGroupSplit(int construct_base = 1) noexcept : SPTreeSplit(construct_base) {}
	CtrlGroupSplit(int construct_base, Type type) noexcept : SPTreeSplit(construct_base, type) {}
};

}  // namespace ruvava
