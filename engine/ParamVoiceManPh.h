// " Manual Phase" of a voice, -2..2 turns, shown in degrees folded into -180..180.
#pragma once

#include "engine/ParamPercentMixin.h"
#include "engine/ParamVoiceMixin.h"

class ParamVoiceManPh : public ParamVoiceMixin, public ParamPercentMixin
{
public:
	ParamVoiceManPh() : ParamVoiceMixin(" Manual Phase"), ParamPercentMixin(-2, 2, "%.1f", "deg") {}

	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;
};
