// The sound's controls: the master and tone strip, and the four voice cells.
#pragma once

#include "editor/GuiCells.h"
#include "editor/ListenerClipLed.h"
#include "editor/NumParamMgr.h"
#include "editor/NumValListenerInterface.h"
#include "gui/Diode.h"
#include "gui/Fader.h"
#include "gui/Knob.h"

namespace rivo
{

class TarvelleGui;

class GuiEffect
{
public:
	void init(TarvelleGui &gui);
	// Creates, configures, places and binds the controls (once).
	void build();
	// The pictures of the editor's current scale.
	void apply_pictures();
	void restore() {}

	ruvava::Fader &use_master_fader() noexcept
	{
		return _master;
	}
	GuiCells &use_cells() noexcept
	{
		return _cells;
	}

private:
	TarvelleGui *_gui_ptr = nullptr;
	bool _built = false;
	ruvava::Fader _master;
	ruvava::Fader _tone_gain;
	ruvava::Knob _tone_x;
	ruvava::Knob _tone_y;
	ruvava::Diode _clip_led;
	NumValListenerInterface _strip_listeners[4];
	NumParamMgr _strip_mgrs[4];
	ListenerClipLed _clip_listener;
	GuiCells _cells;
};

}  // namespace rivo
