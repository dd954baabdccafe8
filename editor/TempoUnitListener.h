// The time-unit flip-flop: off shows periods in seconds, on in beats.
#pragma once

#include "gui/DefaultEventListener.h"

namespace rivo
{

class TarvelleGui;

class TempoUnitListener : public ruvava::DefaultEventListener
{
public:
	void init(TarvelleGui &gui) noexcept
	{
		_gui_ptr = &gui;
	}
	double change_num_val_user(double val, int prio) override;
	// The flip-flop shows the editor's current unit.
	void update_value();

private:
	TarvelleGui *_gui_ptr = nullptr;
};

}  // namespace rivo
