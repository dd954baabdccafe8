// Name of an LFO sub-parameter: the modulated parameter's full name, then a suffix.
#pragma once

#include "params/ParamAffixNamed.h"
#include "params/ParamNamed.h"

namespace rivo
{

class ParamLfoSubNamed : public ParamAffixNamed<ParamNamed>
{
protected:
	explicit ParamLfoSubNamed(const char *suffix_0) : ParamAffixNamed("", suffix_0) {}
};

}  // namespace rivo
