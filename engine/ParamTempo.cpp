// Tempo parameter and its link to the time base.
#include "engine/ParamTempo.h"

#include "engine/ParamTextFnc.h"

#include <cmath>

void ParamTempo::init(double val, int level, rivo::TimeUnit &time_unit)
{
	_time_unit_ptr = &time_unit;
	ParamNamed::init(val, level, "Tempo");
}

void ParamTempo::get_unit(char *txt_ptr, long len) const
{
	basic::strncpy_0(txt_ptr, "BPM", len);
}

double ParamTempo::denormalize_val(float nval) const
{
	return MIN_TEMPO + (MAX_TEMPO - MIN_TEMPO) * double(nval);
}

float ParamTempo::normalize_val(double val) const
{
	return float((val - MIN_TEMPO) / (MAX_TEMPO - MIN_TEMPO));
}

void ParamTempo::do_print_val(char *txt_ptr, long len, double val) const
{
	ParamTextFnc::print(txt_ptr, len, "%.3f", val);
}

double ParamTempo::do_scan_val(const char *txt_0, bool &ok) const
{
	return ParamTextFnc::scan_clamped(txt_0, ok, 1.0, MIN_TEMPO, MAX_TEMPO);
}

void ParamTempo::do_set_val()
{
	if (_time_unit_ptr == nullptr)
	{
		return;
	}
	if (!can_host_do_tempo())
	{
		_time_unit_ptr->set_tempo(get_val());
	}
	else if (std::fabs(get_val() - _time_unit_ptr->get_tempo()) > double(1e-4f))
	{
		take_value(_time_unit_ptr->get_tempo());
	}
}

void ParamTempo::force_tempo(float bpm)
{
	if (_time_unit_ptr != nullptr)
	{
		_time_unit_ptr->set_tempo(bpm);
	}
	take_value(bpm);
}

void ParamTempo::take_value(double val)
{
	set_from_normalized(normalize_val(val));
}
