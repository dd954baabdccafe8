// Name of an engine-wide parameter: the stored name alone.
#pragma once

#include "params/ParamAffixNamed.h"
#include "params/ParamNamed.h"

class ParamGlobalNamed : public rivo::ParamAffixNamed<rivo::ParamNamed>
{
protected:
	ParamGlobalNamed() : ParamAffixNamed("", "") {}
};
