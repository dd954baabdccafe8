// Name of a voice parameter: "V ", the voice number counted from 1, a suffix.
#pragma once

#include "params/ParamAffixNamed.h"
#include "params/ParamNumbered.h"

class ParamVoiceMixin : public rivo::ParamAffixNamed<rivo::ParamNumbered>
{
protected:
	explicit ParamVoiceMixin(const char *suffix_0) : ParamAffixNamed("V ", suffix_0) {}
};
