// Morphs by straight lines between the normalised parameter values; the
// target's extra bytes (the voices' oscillator phases) apply at once.
#pragma once

#include "editor/ProgStLdInterface.h"

namespace rivo
{

class ProgStLdDefault : public ProgStLdInterface
{
protected:
	void do_interpolate(ProgramSlot &result, const ProgramSlot &from, const ProgramSlot &to, double ratio) override;
};

}  // namespace rivo
