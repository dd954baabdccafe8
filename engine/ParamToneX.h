// "Tone X", -1..1: the shape of the boost/cut pattern of the tone filter.
#pragma once

#include "engine/ParamGlobalNamed.h"
#include "engine/ParamPercentMixin.h"

class ParamToneX : public ParamGlobalNamed, public ParamPercentMixin
{
public:
	ParamToneX() : ParamPercentMixin(-1, 1, "%+.1f", "%") {}
};
