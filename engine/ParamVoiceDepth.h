// " Depth" of a voice: which phase network it uses.
#pragma once

#include "engine/ParamChoiceMixin.h"
#include "engine/ParamVoiceMixin.h"

class ParamVoiceDepth : public ParamVoiceMixin, public ParamChoiceMixin
{
public:
	static const char *const NAME_ARR[3];  // "Dirty Bird", "Fat Cat", "Mad Cow"

	ParamVoiceDepth() : ParamVoiceMixin(" Depth"), ParamChoiceMixin(NAME_ARR, 3) {}
};
