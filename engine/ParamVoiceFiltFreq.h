// " BPF Freq" of a voice, 40..10240 Hz on a logarithmic scale.
#pragma once

#include "engine/ParamVoiceMixin.h"

class ParamVoiceFiltFreq : public ParamVoiceMixin
{
public:
	static constexpr double MIN_FREQ = 40;
	static constexpr double MAX_FREQ = 10240;

	ParamVoiceFiltFreq() : ParamVoiceMixin(" BPF Freq") {}

	void get_unit(char *txt_ptr, long len) const override;
	double denormalize_val(float nval) const override;
	float normalize_val(double val) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;
};
