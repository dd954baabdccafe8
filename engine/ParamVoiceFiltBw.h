// " BPF Q" of a voice, 0.1..10; the band filter is off at the bottom of the range.
#pragma once

#include "engine/ParamVoiceMixin.h"
#include "params/ParamExpMixin.h"

class ParamVoiceFiltBw : public ParamVoiceMixin, public rivo::ParamExpMixin
{
public:
	static constexpr double MIN_Q = 0.1;
	static constexpr double MAX_Q = 10;
	static constexpr double ON_THRESHOLD = 0.11;  // 1.1 times the minimum

	ParamVoiceFiltBw() : ParamVoiceMixin(" BPF Q"), ParamExpMixin(MIN_Q, MAX_Q) {}

	static bool is_on(double q) noexcept
	{
		return q > ON_THRESHOLD;
	}

	void get_unit(char *txt_ptr, long len) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;
};
