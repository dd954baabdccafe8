// A value lo..hi mapped linearly from n and shown as a percentage (100 v).
#pragma once

#include "params/NormalizedParamInterface.h"

class ParamPercentMixin : public virtual rivo::NormalizedParamInterface
{
public:
	ParamPercentMixin(double lo, double hi, const char *fmt_0, const char *unit_0)
	: _lo(lo), _hi(hi), _fmt_0(fmt_0), _unit_0(unit_0)
	{
	}

	void get_unit(char *txt_ptr, long len) const override;
	double denormalize_val(float nval) const override;
	float normalize_val(double val) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;

protected:
	double get_lo() const noexcept
	{
		return _lo;
	}
	double get_hi() const noexcept
	{
		return _hi;
	}

private:
	double _lo;
	double _hi;
	const char *_fmt_0;
	const char *_unit_0;
};
