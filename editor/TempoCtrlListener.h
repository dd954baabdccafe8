// The tempo spin's parameter listener: every tempo it takes is written into
// the tempo text box, and the displays that depend on the tempo follow.
#pragma once

#include "editor/ListenerBase.h"

namespace ruvava
{
class TextBox;
}

namespace rivo
{

class TarvelleGui;

class TempoCtrlListener : public ListenerBase
{
public:
	void init(TarvelleGui &gui, ruvava::TextBox &tb) noexcept
	{
		_gui_ptr = &gui;
		_tb_ptr = &tb;
	}
	double change_num_val(double val, int prio) override;

private:
	TarvelleGui *_gui_ptr = nullptr;
	ruvava::TextBox *_tb_ptr = nullptr;
};

}  // namespace rivo
