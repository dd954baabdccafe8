// "Colored Vol": the gain of the coloured dry signal.
#pragma once

#include "engine/ParamGlobalNamed.h"
#include "engine/ParamVolumeMixin.h"

class ParamToneVol : public ParamGlobalNamed, public ParamVolumeMixin
{
};
