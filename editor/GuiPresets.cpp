#include "editor/GuiPresets.h"

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
		const std::string strip = (n < 4) ? "pb_79_" : "pb_80_";
		b.set_nbr_frames(MEM_FRAMES);
		for (int f = 0; f < MEM_FRAMES; ++f)
		{
			b.set_frame_pic(f, rsc.get_pic((strip + std::to_string((n % 4) * MEM_FRAMES + f)).c_str()));
		}
		b.set_transition_time(0.4);
		b.set_box(ruvava::Rect(-10, -9, 11, 10));
	}
	_store.set_nbr_frames(4);
	for (int f = 0; f < 4; ++f)
	{
		_store.set_frame_pic(f, rsc.get_pic(("pb_87_" + std::to_string(f)).c_str()));
	}
	_store.set_transition_time(0.05);
	_store.set_box(ruvava::Rect(-18, -8, 19, 9));
	const auto button = [&rsc](ruvava::PushButton &b, const char *prefix_0) {
		b.set_nbr_frames(5);
		for (int f = 0; f < 5; ++f)
		{
			b.set_frame_pic(f, rsc.get_pic((std::string(prefix_0) + std::to_string(f)).c_str()));
		}
		b.set_transition_time(0.2);
		b.set_box(ruvava::Rect(-18, -8, 19, 9));
	};
	button(_save, "pb_88_");
	button(_load, "pb_67_");
	_fade.set_graduation_pic(rsc.get_pic("fd_16_p"));
	_fade.set_button_pic(rsc.get_pic("fd_16"));
	_fade.set_direction(ruvava::Fader::Direction_HORIZONTAL);
	_fade.set_amplitude(42);
	_fade.set_xy_rate(0.03125);
	_fade.set_side_click_speed(1);
	_fade.set_box(ruvava::Rect(-8, -10, 50, 17));
	_fade_tb.set_font(rsc.get_font(1));
	_fade_tb.set_frame_size(ruvava::Coord2D(36, 14));
	_fade_tb.set_box(ruvava::Rect(0, 0, 36, 14));
	_fade_tb.set_justification(ruvava::TextFrame::Justification_RIGHT);
	_fade_tb.set_font_color(0x40B8A7);
	_fade_tb.set_legend("Preset Fade Time :");
	_fade_tb.set_editable(true);
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
