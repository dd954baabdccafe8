// " Gain" of a voice.
#pragma once

#include "engine/ParamVoiceMixin.h"
#include "engine/ParamVolumeMixin.h"

class ParamVoiceGain : public ParamVoiceMixin, public ParamVolumeMixin
{
public:
	ParamVoiceGain() : ParamVoiceMixin(" Gain") {}
};
