// The preset panel: eight memory buttons, the store switch, the bank file
// buttons and the fade time's fader and text box, driving the preset memories.
#pragma once

#include "editor/PresetManager.h"
#include "gui/Fader.h"
#include "gui/FlipFlop.h"
#include "gui/PushButton.h"
#include "gui/TextBox.h"

namespace rivo
{

class TarvelleGui;

class GuiPresets
{
public:
	void init(TarvelleGui &gui);
	void build();
	void apply_pictures();
	void restore()
	{
		_mgr.restore();
	}
	PresetManager &use_preset_mgr() noexcept
	{
		return _mgr;
	}

private:
	TarvelleGui *_gui_ptr = nullptr;
	bool _built = false;
	ruvava::PushButton _memories[PresetManager::NBR_MEMORIES];
	ruvava::FlipFlop _store;
	ruvava::PushButton _save;
	ruvava::PushButton _load;
	ruvava::Fader _fade;
	ruvava::TextBox _fade_tb;
	PresetManager _mgr;
};

}  // namespace rivo
