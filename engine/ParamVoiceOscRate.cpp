// Oscillator period in beats.
#include "engine/ParamVoiceOscRate.h"

#include "engine/ParamTextFnc.h"

#include <cmath>

void ParamVoiceOscRate::init(double val, int level, int number, const rivo::TimeUnit &time_unit)
{
	_time_unit_ptr = &time_unit;
	ParamNumbered::init(val, level, number);
}

void ParamVoiceOscRate::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, use_time_unit().get_unit_txt_0(), len);
}

void ParamVoiceOscRate::do_print_val(char *txt_ptr, long len, double val) const
{
	use_time_unit().print_time(txt_ptr, len, use_time_unit().convert_beats_to_time(val), 5);
}

double ParamVoiceOscRate::do_scan_val(const char *txt_0, bool &ok) const
{
	const double sec = use_time_unit().scan_time(txt_0, ok);
	return ok ? ParamTextFnc::clamp(use_time_unit().convert_time_to_beats(sec), MIN_BEATS, MAX_BEATS) : 0.0;
}
