// "Tone Y", 0..1: where the tone pattern sits in the spectrum.
#pragma once

#include "engine/ParamGlobalNamed.h"
#include "engine/ParamPercentMixin.h"

class ParamToneY : public ParamGlobalNamed, public ParamPercentMixin
{
public:
	ParamToneY() : ParamPercentMixin(0, 1, "%.1f", "%") {}
};
