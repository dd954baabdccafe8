// The tempo panel: the tempo's text box, the spin that sets it when the host
// gives no tempo, and the time unit (seconds or beats) of the periods shown.
#pragma once

#include "editor/TempoCtrlListener.h"
#include "editor/TempoTextBoxListener.h"
#include "editor/TempoUnitListener.h"
#include "gui/FlipFlop.h"
#include "gui/Spin.h"
#include "gui/TextBox.h"

namespace rivo
{

class TarvelleGui;

class GuiTempo
{
public:
	void init(TarvelleGui &gui) noexcept
	{
		_gui_ptr = &gui;
	}
	void build();
	void restore() {}
	void apply_pictures();

	// Whether the host gives the tempo.
	bool check_host_can_tempo() const;
	// Without a tempo from the host the spin and the text box set it; with
	// one, the spin goes and the text box only shows it.
	void check_tempo_ctrl();

	ruvava::Spin &use_spin() noexcept
	{
		return _spin;
	}
	ruvava::TextBox &use_text_box() noexcept
	{
		return _tb;
	}
	ruvava::FlipFlop &use_unit_ctrl() noexcept
	{
		return _unit;
	}
	TempoUnitListener &use_unit_listener() noexcept
	{
		return _unit_listener;
	}

private:
	TarvelleGui *_gui_ptr = nullptr;
	bool _built = false;
	bool _spin_shown = false;
	ruvava::Spin _spin;
	ruvava::TextBox _tb;
	ruvava::FlipFlop _unit;
	TempoCtrlListener _spin_listener;
	TempoTextBoxListener _tb_listener;
	TempoUnitListener _unit_listener;
};

}  // namespace rivo
