// Network names.
#include "engine/ParamVoiceDepth.h"

const char *const ParamVoiceDepth::NAME_ARR[3] = {"Dirty Bird", "Fat Cat", "Mad Cow"};
