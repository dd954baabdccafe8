// Up and down buttons that repeat faster the longer they are held, and a
// handle dragged up and down.
#pragma once

#include "gui/ControlInterface.h"

namespace ruvava
{

class Spin : public ControlInterface
{
public:
	enum PicFlag
	{
		PicFlag_GRADUATION = 1,
		PicFlag_SELECTION = 2,
		PicFlag_UP = 4,
		PicFlag_UP_PRESSED = 8,
		PicFlag_DOWN = 16,
		PicFlag_DOWN_PRESSED = 32,
		PicFlag_HANDLE = 64,
		PicFlag_HANDLE_PRESSED = 128
	};
	enum Pressed
	{
		Pressed_NONE = 0,
		Pressed_UP = 1,
		Pressed_DOWN = 2,
		Pressed_HANDLE = 4
	};

	// flag: one of PicFlag.
	void set_pic(int flag, const Picture &pic);
	void set_handle_on_top(bool flag) noexcept
	{
		_handle_on_top = flag;
	}
	// Value per pixel of handle drag.
	void set_mouse_step(double step) noexcept
	{
		_mouse_step = step;
	}
	void set_quick_step(double step) noexcept
	{
		_quick_step = step;
	}
	void set_very_quick_step(double step) noexcept
	{
		_very_quick_step = step;
	}
	void set_quick_rep_time(double t) noexcept
	{
		_quick_rep_time = t;
	}
	void set_very_quick_rep_time(double t) noexcept
	{
		_very_quick_rep_time = t;
	}
	void set_be_in_quick_mode_time(double t) noexcept
	{
		_quick_mode_time = t;
	}
	void set_be_in_very_quick_mode_time(double t) noexcept
	{
		_very_quick_mode_time = t;
	}
	int get_pressed() const noexcept
	{
		return _pressed;
	}

	void stop_user_action() override;
	int32_t redraw(Redraw &m) override;
	int32_t mouse_click(MouseClick &m) override;
	int32_t mouse_move(MouseMove &m) override;
	int32_t notify(Notify &m) override;

private:
	// Index of a picture in _pics from its flag.
	static int pic_index(int flag) noexcept;
	bool has(int flag) const noexcept
	{
		return (_flags & flag) != 0;
	}
	bool hits(int flag, const Coord2D &p);
	// Draws the released or the pressed picture of a pair (both must be set).
	void draw_pair(const Redraw &m, int flag, bool pressed) const;
	void step(double delta);

	Picture _pics[8];
	int _flags = 0;
	bool _handle_on_top = true;
	double _mouse_step = 1.0 / 180;
	double _quick_step = 0.001;
	double _very_quick_step = 0.005;
	double _quick_rep_time = 0.1;
	double _very_quick_rep_time = 0.03;
	double _quick_mode_time = 0.5;
	double _very_quick_mode_time = 2.0;
	int _pressed = Pressed_NONE;
	int _phase = 0;
	int32_t _timer_id = -1;
	double _click_time = 0;
	Coord2D _click_pos;
	bool _captured = false;
	bool _relative = false;
	bool _first_move = false;
	int32_t _last_y = 0;
};

}  // namespace ruvava
