// A control of n states, each with its own clickable picture.
#pragma once

#include "gui/ControlInterface.h"

#include <vector>

namespace ruvava
{

class Switch : public ControlInterface
{
public:
	Switch() : _buttons(2) {}

	void set_graduation_pic(const Picture &pic)
	{
		_graduation = {pic, true};
	}
	void set_selection_pic(const Picture &pic)
	{
		_selection = {pic, true};
	}
	void set_nbr_buttons(int nbr)
	{
		_buttons.resize(size_t(std::max(nbr, 1)));
	}
	void set_button_pic(int index, const Picture &pic);

	void stop_user_action() override;
	int32_t redraw(Redraw &m) override;
	int32_t mouse_click(MouseClick &m) override;

private:
	ButtonFrame _graduation;
	ButtonFrame _selection;
	std::vector<ButtonFrame> _buttons;
	bool _captured = false;
};

}  // namespace ruvava
