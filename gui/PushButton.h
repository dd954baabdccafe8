// A momentary button: fires custom event 0 on each press and animates its
// frames without changing its value.
#pragma once

#include "gui/ControlInterface.h"

#include <vector>

namespace ruvava
{

class PushButton : public ControlInterface
{
public:
	PushButton() : _frames(2) {}

	void set_graduation_pic(const Picture &pic)
	{
		_graduation = {pic, true};
	}
	void set_selection_pic(const Picture &pic)
	{
		_selection = {pic, true};
	}
	void set_nbr_frames(int nbr)
	{
		_frames.resize(size_t(std::max(nbr, 1)));
	}
	void set_frame_pic(int index, const Picture &pic);
	void set_transition_time(double t) noexcept
	{
		_transition = t;
	}
	// 0 at rest, 1 fully pressed.
	double get_position() const noexcept
	{
		return _pos;
	}

	void stop_user_action() override;
	int32_t redraw(Redraw &m) override;
	int32_t mouse_click(MouseClick &m) override;
	int32_t notify(Notify &m) override;

private:
	ButtonFrame _graduation;
	ButtonFrame _selection;
	std::vector<ButtonFrame> _frames;
	double _transition = 0.1;
	double _pos = 0;
	double _start = 0;
	int32_t _timer_id = -1;
};

}  // namespace ruvava
