// LFO depth 0..1, shown in percent.
#pragma once

#include "params/ParamLfoSubNamed.h"

namespace rivo
{

class ParamLfoDepth : public ParamLfoSubNamed
{
public:
	ParamLfoDepth() : ParamLfoSubNamed(" LFO depth") {}

	void get_unit(char *txt_ptr, long len) const override;
	double denormalize_val(float nval) const override;
	float normalize_val(double val) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;
};

}  // namespace rivo
