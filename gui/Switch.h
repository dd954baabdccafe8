// A control of n states, each with its own clickable picture.
#pragma once

#include "gui/FramedControl.h"

namespace ruvava
{

class Switch : public FramedControl
{
public:
	Switch() : FramedControl(2, 1) {}

	// One picture per state, each clickable.
	void set_nbr_buttons(int nbr)
	{
		set_nbr_frames(nbr);
	}
	void set_button_pic(int index, const Picture &pic)
	{
		set_frame_pic(index, pic);
	}

	void stop_user_action() override;
	int32_t redraw(Redraw &m) override;
	int32_t mouse_click(MouseClick &m) override;

private:
	bool _captured = false;
};

}  // namespace ruvava
