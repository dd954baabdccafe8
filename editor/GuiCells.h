// The four voice cells: each voice's controls bound to its parameters,
// editable in the edit panel, linked across voices, and hidden but for the
// gain knob while the voice is silent.
#pragma once

#include "editor/BandActiviyListener.h"
#include "editor/NumParamMgr.h"
#include "editor/NumValListenerInterface.h"
#include "editor/RcMgr.h"
#include "editor/TimeNotchListener.h"
#include "gui/FlipFlop.h"
#include "gui/Knob.h"
#include "gui/Switch.h"

namespace rivo
{

class TarvelleGui;
class TimeUnit;

class GuiCells
{
public:
	static constexpr int NBR_VOICES = 4;
	static constexpr int NBR_CTRLS = 10;

	void init(TarvelleGui &gui) noexcept
	{
		_gui_ptr = &gui;
	}
	void build();
	void apply_pictures();

	// A silent voice's cell keeps only its gain knob; the others leave their
	// group, disabled, and come back when the voice is heard again.
	void hide_band(int voice);
	void show_band(int voice);
	bool is_band_shown(int voice) const noexcept
	{
		return _cells[voice]._shown;
	}
	// The period knobs' notches for this unit and tempo.
	void change_time_unit(const TimeUnit &unit);

private:
	struct Cell
	{
		// In this order: gain, pan, period, manual phase, hold, depth,
		// feedback level and colour, band-pass frequency and Q.
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
		NumValListenerInterface _listeners[NBR_CTRLS];
		TimeNotchListener _period_listener{TimeNotchListener::OSCRATE_NOTCH_LIST,
		                                   TimeNotchListener::OSCRATE_NOTCH_LIST_LEN};
		NumParamMgr _mgrs[NBR_CTRLS];
		RcMgr _links[NBR_CTRLS];
		BandActiviyListener _activity;
		bool _shown = true;

		ruvava::ControlInterface &ctrl(int k);
		NumValListenerInterface &listener(int k)
		{
			return (k == 2) ? _period_listener : _listeners[k];
		}
	};
	ruvava::CtrlGroupItem &group_of(int voice);

	TarvelleGui *_gui_ptr = nullptr;
	bool _built = false;
	Cell _cells[NBR_VOICES];
};

}  // namespace rivo
