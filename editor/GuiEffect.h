// The sound's controls: the master and tone strip and the four voice cells,
// each control bound to its parameter.
#pragma once

#include "editor/BandActiviyListener.h"
#include "editor/ListenerBase.h"
#include "editor/ListenerClipLed.h"
#include "editor/RcMgr.h"
#include "gui/Diode.h"
#include "gui/Fader.h"
#include "gui/FlipFlop.h"
#include "gui/Knob.h"
#include "gui/Switch.h"

namespace rivo
{

class TarvelleGui;

class GuiEffect
{
public:
	static constexpr int NBR_VOICES = 4;

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
	// A silent voice's cell keeps only its gain knob; the others leave their
	// group, disabled, and come back when the voice is heard again.
	void hide_band(int voice);
	void show_band(int voice);
	bool is_band_shown(int voice) const noexcept
	{
		return _cells[voice]._shown;
	}

private:
	struct Cell
	{
		ruvava::Knob _gain;
		ruvava::Knob _pan;
		ruvava::Knob _period;
		ruvava::Knob _phase;
		ruvava::FlipFlop _hold;
		ruvava::Switch _depth;
		ruvava::Knob _fdbk_lvl;
		ruvava::Knob _fdbk_col;
		ruvava::Knob _freq;
		ruvava::Knob _q;
		ListenerBase _listeners[10];
		RcMgr _links[10];
		BandActiviyListener _activity;
		bool _shown = true;
		// The controls that hide with the voice: all but the gain knob.
		ruvava::ControlInterface *others(int k)
		{
			ruvava::ControlInterface *const list[9] = {&_pan,      &_period,   &_phase, &_hold, &_depth,
			                                           &_fdbk_lvl, &_fdbk_col, &_freq,  &_q};
			return list[k];
		}
	};
	ruvava::CtrlGroupItem &group_of(int voice);

	// Places a control in a group and binds it to a parameter.
	void bind(ruvava::ControlInterface &ctrl, ListenerBase &listener, int param, ruvava::CtrlGroupItem &group,
	          const ruvava::Coord2D &pos);

	TarvelleGui *_gui_ptr = nullptr;
	bool _built = false;
	ruvava::Fader _master;
	ruvava::Fader _tone_gain;
	ruvava::Knob _tone_x;
	ruvava::Knob _tone_y;
	ruvava::Diode _clip_led;
	ListenerBase _strip_listeners[4];
	ListenerClipLed _clip_listener;
	Cell _cells[NBR_VOICES];
};

}  // namespace rivo
