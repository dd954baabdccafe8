// " Fdbk Lvl" of a voice, 0..1 on a curve that gives more travel near full feedback.
#pragma once

#include "engine/ParamPercentMixin.h"
#include "engine/ParamVoiceMixin.h"

class ParamVoiceFdbkLvl : public ParamVoiceMixin, public ParamPercentMixin
{
public:
	ParamVoiceFdbkLvl() : ParamVoiceMixin(" Fdbk Lvl"), ParamPercentMixin(0, 1, "%.1f", "%") {}

	double denormalize_val(float nval) const override;
	float normalize_val(double val) const override;
};
