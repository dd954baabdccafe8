// An LED: asks its listener for a value at each refresh tick and fades
// between its frames.
#pragma once

#include "gui/ControlInterface.h"

#include <vector>

namespace ruvava
{

class Diode : public ControlInterface
{
public:
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
		_frames.resize(size_t(std::max(nbr, 0)));
	}
	void set_frame_pic(int index, const Picture &pic);
	void set_attack_transition_time(double t) noexcept
	{
		_attack = t;
	}
	void set_release_transition_time(double t) noexcept
	{
		_release = t;
	}
	// Seconds between refresh ticks while shown.
	void set_time_refresh(double t) noexcept
	{
		_refresh = t;
	}
	// Fades towards the current value from now.
	void start_anim();
	double get_position() const noexcept
	{
		return _pos;
	}

	int32_t redraw(Redraw &m) override;
	int32_t notify(Notify &m) override;
	int32_t show_object(ShowObject &m) override;

private:
	void update_position(double now);

	ButtonFrame _graduation;
	ButtonFrame _selection;
	std::vector<ButtonFrame> _frames;
	double _attack = 0;
	double _release = 0;
	double _refresh = 0;
	bool _animating = false;
	double _start = 0;
	double _pos = 0;
	int32_t _timer_id = -1;
};

}  // namespace ruvava
