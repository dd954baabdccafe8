// The motion engine of knobs and faders: turns mouse movement into a
// smoothly moving value, with notches, axis lock for fine moves, side-click
// attraction and the compatible (absolute) mouse mode.
#pragma once

#include "gui/Coord2D.h"

#include <cstdint>
#include <vector>

namespace ruvava
{

class ControlInterface;

class PotBehaviour
{
public:
	enum Mode
	{
		Mode_IDLE = 0,
		Mode_DRAGGING = 1,
		Mode_ATTRACTING = 2
	};
	// Period of the smoothing timer, seconds.
	static constexpr float TIMER_PERIOD = 0.03f;

	explicit PotBehaviour(ControlInterface &ctrl) noexcept : _ctrl(ctrl) {}
	PotBehaviour(const PotBehaviour &) = delete;
	PotBehaviour &operator=(const PotBehaviour &) = delete;

	// Each returns 0, or the failed capture's or timer's code.
	int32_t start_dragging(double val);
	int32_t start_attracting(double val);
	// A mouse move, p along the primary axis and s along the secondary:
	// offsets, or absolute positions in compatible mode.
	void drag_record_mouse_move(int32_t p, int32_t s, int32_t range_pixels, double secondary_rate);
	// Moves val towards the target; true when it changed.
	bool drag(double &val, double now);
	bool attract(double &val, double now, double speed);
	void drag_move_target_val(double delta);
	void drag_set_target_val(double val);
	void stop();
	void stop_mouse_capture();
	void mouse_capture_lost() noexcept
	{
		_captured = false;
	}
	void attract_set_uniform_mvt() noexcept
	{
		_uniform = true;
	}
	bool is_attract_mvt_uniform() const noexcept
	{
		return _uniform;
	}
	// Not owned; null for none.
	void set_notch_list(const std::vector<double> *notches_ptr) noexcept
	{
		_notches_ptr = notches_ptr;
	}
	void remove_notch_list() noexcept
	{
		_notches_ptr = nullptr;
	}
	double get_final_val() const noexcept
	{
		return _final;
	}
	// Relative to the control: where the pointer reappears after a relative drag.
	void set_mouse_release_pos(const Coord2D &pos) noexcept
	{
		_release_pos = pos;
	}
	int32_t get_timer_id() const noexcept
	{
		return _timer_id;
	}
	Mode get_mode() const noexcept
	{
		return _mode;
	}
	bool is_moving() const noexcept
	{
		return _moving;
	}

private:
	// Captures the mouse and starts the timer for a new mode.
	int32_t start(Mode mode, int tracking_type);
	double nearest_notch(double raw) const;

	double _prev_gap = 0;
	double _raw = 0;
	double _final = 0;
	int _axis_lock = 0;
	float _avg_p = 1.0f;
	float _avg_s = 0.0f;
	int32_t _sec_pixels = 0;
	bool _first_move = false;
	int32_t _last_abs[2] = {0, 0};
	double _speed = 0;
	bool _uniform = false;
	double _last_time = 0;
	const std::vector<double> *_notches_ptr = nullptr;
	ControlInterface &_ctrl;
	Coord2D _release_pos;
	int32_t _timer_id = -1;
	Mode _mode = Mode_IDLE;
	bool _captured = false;
	bool _moving = false;
};

}  // namespace ruvava
