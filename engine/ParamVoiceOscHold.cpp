// Hold names.
#include "engine/ParamVoiceOscHold.h"

const char *const ParamVoiceOscHold::NAME_ARR[2] = {"Off", "On"};
