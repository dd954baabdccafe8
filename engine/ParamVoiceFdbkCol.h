// " Fdbk Col" of a voice, 0..1 turns: the colour of the fed-back mix.
#pragma once

#include "engine/ParamPercentMixin.h"
#include "engine/ParamVoiceMixin.h"

class ParamVoiceFdbkCol : public ParamVoiceMixin, public ParamPercentMixin
{
public:
	ParamVoiceFdbkCol() : ParamVoiceMixin(" Fdbk Col"), ParamPercentMixin(0, 1, "%.1f", "") {}
};
