// Linear gain 0..10 on a curve that gives n = 1 at +20 dB; shown in dB.
#pragma once

#include "params/NormalizedParamInterface.h"

class ParamVolumeMixin : public virtual rivo::NormalizedParamInterface
{
public:
	static constexpr double MAX_GAIN = 10;

	void get_unit(char *txt_ptr, long len) const override;
	double denormalize_val(float nval) const override;
	float normalize_val(double val) const override;
	// "-oo" for silence, else dB with one decimal.
	void do_print_val(char *txt_ptr, long len, double val) const override;
	// dB; "oo" (or "-oo", as printed) is silence.
	double do_scan_val(const char *txt_0, bool &ok) const override;
};
