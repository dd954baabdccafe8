#include "editor/GuiCells.h"

#include "editor/ControlSetup.h"
#include "editor/TarvelleGui.h"
#include "engine/ParamIndex.h"

namespace rivo
{

namespace
{

using P = ParamIndex;

// Per control of a cell (in the cell's order): its parameter offset in the
// voice, whether it has an LFO, and its origins in the cells' groups for
// cells 0 (voice 1) to 3.
struct CtrlPlace
{
	int _offset;
	bool _lfo;
	int _x[4];
	int _y[4];
};
constexpr CtrlPlace PLACES[GuiCells::NBR_CTRLS] = {
   {P::GAIN, false, {241, 29, 242, 28}, {116, 116, 319, 319}},
   {P::PAN, true, {241, 29, 242, 28}, {163, 163, 364, 364}},
   {P::PERIOD, true, {70, 200, 90, 180}, {67, 67, 269, 269}},
   {P::MAN_PHASE, true, {92, 178, 92, 178}, {139, 139, 341, 341}},
   {P::HOLD, false, {112, 158, 112, 158}, {173, 173, 375, 375}},
   {P::DEPTH, false, {186, 81, 186, 80}, {135, 134, 336, 335}},
   {P::FDBK_LVL, true, {141, 129, 141, 129}, {120, 120, 322, 322}},
   {P::FDBK_COL, true, {171, 99, 170, 100}, {79, 79, 280, 280}},
   {P::BPF_FREQ, true, {196, 39, 195, 39}, {220, 206, 420, 405}},
   {P::BPF_Q, false, {230, 72, 230, 72}, {206, 223, 405, 422}}};

}  // namespace

ruvava::ControlInterface &GuiCells::Cell::ctrl(int k)
{
	ruvava::ControlInterface *const list[NBR_CTRLS] = {&_gain,  &_pan,      &_period,   &_phase, &_hold,
	                                                   &_depth, &_fdbk_lvl, &_fdbk_col, &_freq,  &_q};
	return *list[k];
}

void GuiCells::apply_pictures()
{
	const GraphRscMixin &rsc = *_gui_ptr;
	for (int i = 0; i < NBR_VOICES; ++i)
	{
		Cell &c = _cells[i];
		ControlSetup::setup_kn_31(c._gain, rsc);
		ControlSetup::setup_kn_31(c._pan, rsc);
		ControlSetup::setup_kn_29(c._period, rsc);
		ControlSetup::setup_kn_30(c._phase, rsc);
		ControlSetup::setup_ff_23(c._hold, rsc);
		ControlSetup::setup_sw_08_09(c._depth, rsc, (i % 2) == 0);
		ControlSetup::setup_kn_34(c._fdbk_lvl, rsc);
		ControlSetup::setup_kn_34_fdbk(c._fdbk_col, rsc);
		ControlSetup::setup_kn_32(c._freq, rsc);
		ControlSetup::setup_kn_32(c._q, rsc);
	}
}

void GuiCells::build()
{
	if (_built || _gui_ptr == nullptr)
	{
		return;
	}
	_built = true;
	apply_pictures();
	for (int i = 0; i < NBR_VOICES; ++i)
	{
		Cell &c = _cells[i];
		for (int k = 0; k < NBR_CTRLS; ++k)
		{
			const CtrlPlace &p = PLACES[k];
			const int param = P::voice(i, p._offset);
			NumValListenerInterface &l = c.listener(k);
			_gui_ptr->place(c.ctrl(k), l, param, group_of(i), ruvava::Coord2D(p._x[i], p._y[i]));
			if (p._lfo)
			{
				_gui_ptr->set_main_mgr_lfo(c._mgrs[k], l, param);
			}
			else
			{
				_gui_ptr->set_main_mgr(c._mgrs[k], l, param);
			}
			c._links[k].init(_gui_ptr->use_mcl(), param);
			l.set_rc_mgr(c._links[k]);
		}
		c._activity.init(*this, i);
		c._gain.push_back_listener(c._activity);
	}
}

ruvava::CtrlGroupItem &GuiCells::group_of(int voice)
{
	return ((voice % 2) == 0) ? _gui_ptr->use_cell_1_3_cgi() : _gui_ptr->use_cell_2_4_cgi();
}

void GuiCells::hide_band(int voice)
{
	Cell &c = _cells[voice];
	if (!c._shown)
	{
		return;
	}
	c._shown = false;
	for (int k = 1; k < NBR_CTRLS; ++k)
	{
		ruvava::ControlInterface &ctrl = c.ctrl(k);
		ctrl.invalidate_all();
		group_of(voice).erase(ctrl);
		ctrl.disable();
	}
}

void GuiCells::show_band(int voice)
{
	Cell &c = _cells[voice];
	if (c._shown)
	{
		return;
	}
	c._shown = true;
	for (int k = 1; k < NBR_CTRLS; ++k)
	{
		ruvava::ControlInterface &ctrl = c.ctrl(k);
		ctrl.enable();
		group_of(voice).push_back(ctrl);
		ctrl.refresh_display();
	}
}

void GuiCells::change_time_unit(const TimeUnit &unit)
{
	for (Cell &c : _cells)
	{
		c._period_listener.change_time_unit(unit);
	}
}

}  // namespace rivo
