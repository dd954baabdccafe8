// "Master Vol": the gain of the whole output.
#pragma once

#include "engine/ParamGlobalNamed.h"
#include "engine/ParamVolumeMixin.h"

class ParamMasterVol : public ParamGlobalNamed, public ParamVolumeMixin
{
};
