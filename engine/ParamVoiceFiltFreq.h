// " BPF Freq" of a voice, 40..10240 Hz on a logarithmic scale.
#pragma once

#include "engine/ParamVoiceMixin.h"
#include "params/ParamExpMixin.h"

class ParamVoiceFiltFreq : public ParamVoiceMixin, public rivo::ParamExpMixin
{
public:
	static constexpr double MIN_FREQ = 40;
	static constexpr double MAX_FREQ = 10240;

	ParamVoiceFiltFreq() : ParamVoiceMixin(" BPF Freq"), ParamExpMixin(MIN_FREQ, MAX_FREQ) {}

	void get_unit(char *txt_ptr, long len) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;
};
