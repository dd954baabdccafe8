// " Pan" of a voice, -1 (left) .. 1 (right), shown as "Mid", "L 40", "R 25".
#pragma once

#include "engine/ParamPercentMixin.h"
#include "engine/ParamVoiceMixin.h"

class ParamVoicePan : public ParamVoiceMixin, public ParamPercentMixin
{
public:
	ParamVoicePan() : ParamVoiceMixin(" Pan"), ParamPercentMixin(-1, 1, "%.0f", "%") {}

	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;
};
