// " Period" of a voice's oscillator, 1/256..256 beats, shown as a time.
#pragma once

#include "engine/ParamVoiceMixin.h"
#include "params/ParamExpMixin.h"
#include "params/TimeUnit.h"

class ParamVoiceOscRate : public ParamVoiceMixin, public rivo::ParamExpMixin
{
public:
	static constexpr double MIN_BEATS = 1.0 / 256;
	static constexpr double MAX_BEATS = 256;

	ParamVoiceOscRate() : ParamVoiceMixin(" Period"), ParamExpMixin(MIN_BEATS, MAX_BEATS) {}

	void init(double val, int level, int number, const rivo::TimeUnit &time_unit);

	void get_unit(char *txt_ptr, long len) const override;
	void do_print_val(char *txt_ptr, long len, double val) const override;
	double do_scan_val(const char *txt_0, bool &ok) const override;

private:
	const rivo::TimeUnit &use_time_unit() const noexcept
	{
		return (_time_unit_ptr != nullptr) ? *_time_unit_ptr : _fallback;
	}

	const rivo::TimeUnit *_time_unit_ptr = nullptr;
	rivo::TimeUnit _fallback;
};
