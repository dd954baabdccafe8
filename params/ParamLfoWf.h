// LFO waveform choice (0..9), shown by name.
#pragma once

#include "params/ParamLfoSubNamed.h"

namespace rivo
{

class ParamLfoWf : public ParamLfoSubNamed
{
public:
	static constexpr int NBR_WF = 10;
	// Waveform parameter value to LFO type.
	static const int WF_TYPE[NBR_WF];

	ParamLfoWf() : ParamLfoSubNamed(" LFO WF") {}

	void get_unit(char *txt_ptr, long len) const override;
	int get_range_type() const override
	{
		return RangeType_INTEGER;
	}
	double denormalize_val(float nval) const override;
	float normalize_val(double val) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	// Waveforms cannot be typed in: always fails.
	double do_scan_val(const char *txt_0, bool &ok) const override;

	// The LFO type of a waveform value, any value clamped to the table.
	static int get_lfo_type(double val) noexcept;
};

}  // namespace rivo
