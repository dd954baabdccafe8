#include "editor/GuiPresets.h"

#include "editor/ControlSetup.h"
#include "editor/TarvelleGui.h"
#include "gui/PumpedWindow.h"

#include <string>

namespace rivo
{

namespace
{

// Origins inside the preset group, which starts at (405, 0).
constexpr int MEM_X[8] = {18, 42, 66, 90, 18, 42, 66, 90};
constexpr int MEM_Y[8] = {26, 26, 26, 26, 48, 48, 48, 48};
constexpr int MEM_FRAMES = 6;

}  // namespace

void GuiPresets::init(TarvelleGui &gui)
{
	_gui_ptr = &gui;
}

void GuiPresets::apply_pictures()
{
	const GraphRscMixin &rsc = *_gui_ptr;
	for (int n = 0; n < PresetManager::NBR_MEMORIES; ++n)
	{
		ruvava::PushButton &b = _memories[n];
		ControlSetup::set_frames(b, rsc, (n < 4) ? "pb_79_" : "pb_80_", (n % 4) * MEM_FRAMES, MEM_FRAMES);
		b.set_transition_time(0.4);
		b.set_box(ruvava::Rect(-10, -9, 11, 10));
	}
	ControlSetup::set_frames(_store, rsc, "pb_87_", 0, 4);
	_store.set_transition_time(0.05);
	_store.set_box(ruvava::Rect(-18, -8, 19, 9));
	ControlSetup::setup_push_button(_save, rsc, "pb_88_", 5, 0.2, ruvava::Rect(-18, -8, 19, 9));
	ControlSetup::setup_push_button(_load, rsc, "pb_67_", 5, 0.2, ruvava::Rect(-18, -8, 19, 9));
	_fade.set_graduation_pic(rsc.get_pic("fd_16_p"));
	_fade.set_button_pic(rsc.get_pic("fd_16"));
	_fade.set_direction(ruvava::Fader::Direction_HORIZONTAL);
	_fade.set_amplitude(42);
	_fade.set_xy_rate(0.03125);
	_fade.set_side_click_speed(1);
	_fade.set_box(ruvava::Rect(-8, -10, 50, 17));
	ControlSetup::setup_text_box(_fade_tb, rsc, TarvelleGui::BAR_LCD_FONT, 36, 14,
	                             ruvava::TextFrame::Justification_RIGHT, "Preset Fade Time :");
}

void GuiPresets::build()
{
	if (_built || _gui_ptr == nullptr)
	{
		return;
	}
	_built = true;
	apply_pictures();
	ruvava::CtrlGroupItem &group = _gui_ptr->use_preset_cgi();
	ruvava::ControlInterface *numbers[PresetManager::NBR_MEMORIES];
	for (int n = 0; n < PresetManager::NBR_MEMORIES; ++n)
	{
		_memories[n].set_rel_coord(ruvava::Coord2D(MEM_X[n], MEM_Y[n]));
		group.push_back(_memories[n]);
		numbers[n] = &_memories[n];
	}
	_store.set_rel_coord(ruvava::Coord2D(172, 22));
	_save.set_rel_coord(ruvava::Coord2D(172, 46));
	_load.set_rel_coord(ruvava::Coord2D(172, 70));
	_fade.set_rel_coord(ruvava::Coord2D(44, 77));
	_fade_tb.set_rel_coord(ruvava::Coord2D(98, 70));
	for (ruvava::ControlInterface *c :
	     std::initializer_list<ruvava::ControlInterface *>{&_store, &_save, &_load, &_fade, &_fade_tb})
	{
		group.push_back(*c);
	}
	// A missing default bank leaves the memories with the current sound.
	_mgr.init(*_gui_ptr, nullptr, numbers, _store, _load, _save, _fade, _fade_tb, PresetManager::DEFAULT_BANK);
	if (auto *win_ptr = static_cast<ruvava::PumpedWindow *>(_gui_ptr->get_msg_mgr_ptr()))
	{
		_mgr.set_dialog_host(&win_ptr->use_dialog_host());
	}
}

}  // namespace rivo
