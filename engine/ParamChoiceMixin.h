// A choice among a few named values 0..count-1.
#pragma once

#include "params/NormalizedParamInterface.h"

class ParamChoiceMixin : public virtual rivo::NormalizedParamInterface
{
public:
	ParamChoiceMixin(const char *const name_arr[], int nbr_names) : _name_arr(name_arr), _nbr_names(nbr_names) {}

	void get_unit(char *txt_ptr, long len) const override;
	int get_range_type() const override
	{
		return RangeType_INTEGER;
	}
	double denormalize_val(float nval) const override;
	float normalize_val(double val) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	// The first of the names found inside the text, case-insensitively.
	double do_scan_val(const char *txt_0, bool &ok) const override;

	int get_index(double val) const noexcept;

private:
	const char *const *_name_arr;
	int _nbr_names;
};
