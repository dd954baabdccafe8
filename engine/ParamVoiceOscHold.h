// " Osc Hold" of a voice: stops the oscillator where it is.
#pragma once

#include "engine/ParamChoiceMixin.h"
#include "engine/ParamVoiceMixin.h"

class ParamVoiceOscHold : public ParamVoiceMixin, public ParamChoiceMixin
{
public:
	static const char *const NAME_ARR[2];  // "Off", "On"

	ParamVoiceOscHold() : ParamVoiceMixin(" Osc Hold"), ParamChoiceMixin(NAME_ARR, 2) {}
};
