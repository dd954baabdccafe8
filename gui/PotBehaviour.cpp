#include "gui/PotBehaviour.h"

#include "gui/ControlInterface.h"
#include "gui/MouseCapture.h"
#include "gui/PersistentMouseSettings.h"
#include "sys/sys_fnc.h"

#include <algorithm>
#include <cmath>

namespace ruvava
{

namespace
{

constexpr double PI = 3.14159265358979323846;
constexpr double FAR = 999999;

bool is_compatible_mode()
{
	return PersistentMouseSettings::get_instance().get_mouse_behaviour() ==
	       PersistentMouseSettings::MouseBehaviour_COMPATIBLE;
}

}  // namespace

int32_t PotBehaviour::start(Mode mode, int tracking_type)
{
	stop();
	_mode = mode;
	_first_move = true;
	int32_t ret = _ctrl.capture_mouse(tracking_type);
	if (ret == 0)
	{
		_captured = true;
		_last_time = sys::get_time_stamp();
		ret = _ctrl.start_timer(TIMER_PERIOD, _timer_id);
	}
	if (ret != 0)
	{
		stop();
	}
	return ret;
}

int32_t PotBehaviour::start_dragging(double val)
{
	const int32_t ret = start(Mode_DRAGGING, is_compatible_mode() ? MouseCapture::TrackingType_NORMAL
	                                                              : MouseCapture::TrackingType_RELATIVE);
	if (ret == 0)
	{
		_axis_lock = 0;
		_avg_p = 1.0f;
		_avg_s = 0.0f;
		_sec_pixels = 0;
		_raw = val;
		_final = val;
		_speed = 0;
	}
	return ret;
}

int32_t PotBehaviour::start_attracting(double val)
{
	const int32_t ret = start(Mode_ATTRACTING, MouseCapture::TrackingType_NORMAL);
	if (ret == 0)
	{
		_raw = val;
		_final = val;
		_speed = 0;
	}
	return ret;
}

void PotBehaviour::drag_record_mouse_move(int32_t p, int32_t s, int32_t range_pixels, double secondary_rate)
{
	if (_first_move)
	{
		_last_abs[0] = p;
		_last_abs[1] = s;
		_first_move = false;
	}
	if (is_compatible_mode())
	{
		const int32_t dp = p - _last_abs[0];
		const int32_t ds = s - _last_abs[1];
		_last_abs[0] = p;
		_last_abs[1] = s;
		p = dp;
		s = ds;
	}
	if (p == 0 && s == 0)
	{
		return;
	}
	_avg_p += (float(std::abs(p)) - _avg_p) * 0.9f;
	_avg_s += (float(std::abs(s)) - _avg_s) * 0.9f;
	const double angle = (_avg_s < 1e-9f) ? PI : std::atan(double(_avg_p) / double(_avg_s));
	if (_axis_lock == 1 && angle >= 3 * PI / 8)
	{
		_axis_lock = 0;
		_sec_pixels = 0;
	}
	else if (_axis_lock == 0 && angle <= PI / 8)
	{
		_axis_lock = 1;
	}
	double delta;
	if (_axis_lock == 1)
	{
		delta = secondary_rate * s;
		const int32_t before = _sec_pixels;
		_sec_pixels += std::abs(s);
		if (before <= 16 && _sec_pixels > 16)
		{
			_raw = _final;
		}
	}
	else
	{
		delta = p;
	}
	delta /= std::max(range_pixels, int32_t(1));
	// The raw target may overshoot; turning back restarts from the end.
	if (_raw > 1 && delta < 0)
	{
		_raw = 1 + delta;
	}
	else if (_raw < 0 && delta > 0)
	{
		_raw = delta;
	}
	else
	{
		_raw += delta;
	}
	_final = (_sec_pixels <= 16) ? nearest_notch(_raw) : _raw;
}

double PotBehaviour::nearest_notch(double raw) const
{
	if (_notches_ptr == nullptr)
	{
		return raw;
	}
	const double t = std::clamp(raw, 0.0, 1.0);
	const bool final_inside = (_final >= 0 && _final <= 1);
	double cand = final_inside ? _final : t;
	const double d0 = final_inside ? std::fabs(t - _final) : FAR;
	double best = FAR;
	for (const double n : *_notches_ptr)
	{
		const double d = std::fabs(t - n);
		if (d < best && 3 * d < d0)
		{
			cand = n;
			best = d;
		}
	}
	return cand;
}

bool PotBehaviour::drag(double &val, double now)
{
	const double old = val;
	const double gap = _final - val;
	const double agap = std::fabs(gap);
	if (agap > 1e-6)
	{
		double k = 3;
		if (agap * 1.5 < _prev_gap)
		{
			k = 3 * _prev_gap / agap;
		}
		val += gap * (1 - std::exp(-2 * PI * k * (now - _last_time)));
	}
	else
	{
		val = _final;
	}
	val = std::clamp(val, 0.0, 1.0);
	_prev_gap = agap;
	_last_time = now;
	// Below the precision of the values the host keeps, nothing moves.
	_moving = std::fabs(val - old) >= 1e-6;
	return _moving;
}

bool PotBehaviour::attract(double &val, double now, double speed)
{
	const double old = val;
	const double dt = now - _last_time;
	if (std::fabs(_speed) < 1e-6 && std::fabs(8 * speed) < 1e-9)
	{
		_speed = 0;
	}
	if (!_uniform)
	{
		const double k = (std::fabs(speed) < 1e-9) ? 1 : 64;
		const double before = _speed;
		_speed += (8 * speed - 8 * _speed) / k * dt;
		_speed = std::clamp(_speed, std::min(before, speed), std::max(before, speed));
	}
	else if (std::fabs(speed) >= 1e-9)
	{
		_speed = speed;
	}
	val = std::clamp(val + _speed * dt, 0.0, 1.0);
	_last_time = now;
	_moving = std::fabs(val - old) >= 1e-6;
	return _moving;
}

void PotBehaviour::drag_move_target_val(double delta)
{
	_raw += delta;
	_final = nearest_notch(_raw);
}

void PotBehaviour::drag_set_target_val(double val)
{
	_raw = val;
	_final = val;
}

void PotBehaviour::stop()
{
	_ctrl.stop_timer(_timer_id);
	stop_mouse_capture();
	_mode = Mode_IDLE;
	_uniform = false;
}

void PotBehaviour::stop_mouse_capture()
{
	if (_captured)
	{
		_captured = false;
		_ctrl.release_mouse(_ctrl.get_coord() + _release_pos);
	}
}

}  // namespace ruvava
