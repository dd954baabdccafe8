#include "editor/GuiEffect.h"

#include "editor/ControlSetup.h"
#include "editor/TarvelleGui.h"
#include "engine/ParamIndex.h"
#include "engine/TarvelleDsp.h"
#include "params/DspInterface.h"

namespace rivo
{

namespace
{

using P = ParamIndex;

// Control origins inside the cells' groups, for cells 0 (voice 1), 1, 2, 3.
constexpr int GAIN_X[4] = {241, 29, 242, 28};
constexpr int GAIN_Y[4] = {116, 116, 319, 319};
constexpr int PAN_X[4] = {241, 29, 242, 28};
constexpr int PAN_Y[4] = {163, 163, 364, 364};
constexpr int OSCRATE_X[4] = {70, 200, 90, 180};
constexpr int OSCRATE_Y[4] = {67, 67, 269, 269};
constexpr int MAN_PHASE_X[4] = {92, 178, 92, 178};
constexpr int MAN_PHASE_Y[4] = {139, 139, 341, 341};
constexpr int OSC_HOLD_X[4] = {112, 158, 112, 158};
constexpr int OSC_HOLD_Y[4] = {173, 173, 375, 375};
constexpr int DEPTH_X[4] = {186, 81, 186, 80};
constexpr int DEPTH_Y[4] = {135, 134, 336, 335};
constexpr int FDBK_LVL_X[4] = {141, 129, 141, 129};
constexpr int FDBK_LVL_Y[4] = {120, 120, 322, 322};
constexpr int FDBK_COL_X[4] = {171, 99, 170, 100};
constexpr int FDBK_COL_Y[4] = {79, 79, 280, 280};
constexpr int FILT_FREQ_X[4] = {196, 39, 195, 39};
constexpr int FILT_FREQ_Y[4] = {220, 206, 420, 405};
constexpr int FILT_Q_X[4] = {230, 72, 230, 72};
constexpr int FILT_Q_Y[4] = {206, 223, 405, 422};

}  // namespace

void GuiEffect::init(TarvelleGui &gui)
{
	_gui_ptr = &gui;
}

void GuiEffect::bind(ruvava::ControlInterface &ctrl, ListenerBase &listener, int param, ruvava::CtrlGroupItem &group,
                     const ruvava::Coord2D &pos)
{
	DspInterface *dsp_ptr = _gui_ptr->get_dsp();
	MetaControlList &mcl = _gui_ptr->use_mcl();
	ctrl.set_rel_coord(pos);
	if (dsp_ptr != nullptr && param >= 0 && param < dsp_ptr->get_nbr_param() && size_t(param) < mcl.size())
	{
		listener.associate_param(param, *dsp_ptr->get_param_ref(param));
		listener.set_meta_list(mcl);
		if (_gui_ptr->get_host() != nullptr)
		{
			listener.set_host(*_gui_ptr->get_host());
		}
		mcl[size_t(param)].connect(ctrl, listener);
	}
	group.push_back(ctrl);
}

void GuiEffect::apply_pictures()
{
	const GraphRscMixin &rsc = *_gui_ptr;
	ControlSetup::setup_fd_17(_master, rsc);
	ControlSetup::setup_fd_15(_tone_gain, rsc);
	ControlSetup::setup_kn_32(_tone_x, rsc);
	ControlSetup::setup_kn_32(_tone_y, rsc);
	ControlSetup::setup_clip_led(_clip_led, rsc);
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

void GuiEffect::build()
{
	if (_built || _gui_ptr == nullptr)
	{
		return;
	}
	_built = true;
	apply_pictures();
	ruvava::CtrlGroupItem &strip = _gui_ptr->use_master_cgi();
	bind(_master, _strip_listeners[0], P::MASTER_VOL, strip, ruvava::Coord2D(31, 158));
	bind(_tone_gain, _strip_listeners[1], P::COLORED_VOL, strip, ruvava::Coord2D(31, 270));
	bind(_tone_x, _strip_listeners[2], P::TONE_X, strip, ruvava::Coord2D(30, 375));
	bind(_tone_y, _strip_listeners[3], P::TONE_Y, strip, ruvava::Coord2D(31, 415));
	_clip_led.set_rel_coord(ruvava::Coord2D(31, 128));
	_clip_led.set_listener(&_clip_listener);
	if (auto *engine_ptr = dynamic_cast<TarvelleDsp *>(_gui_ptr->get_dsp()))
	{
		_clip_listener.set_clip_detector(&engine_ptr->use_clip_detector());
	}
	strip.push_back(_clip_led);

	for (int i = 0; i < NBR_VOICES; ++i)
	{
		Cell &c = _cells[i];
		ruvava::CtrlGroupItem &group = group_of(i);
		const int b = P::voice(i, 0);
		using C = ruvava::Coord2D;
		bind(c._gain, c._listeners[0], b + P::GAIN, group, C(GAIN_X[i], GAIN_Y[i]));
		bind(c._pan, c._listeners[1], b + P::PAN, group, C(PAN_X[i], PAN_Y[i]));
		bind(c._period, c._listeners[2], b + P::PERIOD, group, C(OSCRATE_X[i], OSCRATE_Y[i]));
		bind(c._phase, c._listeners[3], b + P::MAN_PHASE, group, C(MAN_PHASE_X[i], MAN_PHASE_Y[i]));
		bind(c._hold, c._listeners[4], b + P::HOLD, group, C(OSC_HOLD_X[i], OSC_HOLD_Y[i]));
		bind(c._depth, c._listeners[5], b + P::DEPTH, group, C(DEPTH_X[i], DEPTH_Y[i]));
		bind(c._fdbk_lvl, c._listeners[6], b + P::FDBK_LVL, group, C(FDBK_LVL_X[i], FDBK_LVL_Y[i]));
		bind(c._fdbk_col, c._listeners[7], b + P::FDBK_COL, group, C(FDBK_COL_X[i], FDBK_COL_Y[i]));
		bind(c._freq, c._listeners[8], b + P::BPF_FREQ, group, C(FILT_FREQ_X[i], FILT_FREQ_Y[i]));
		bind(c._q, c._listeners[9], b + P::BPF_Q, group, C(FILT_Q_X[i], FILT_Q_Y[i]));
		c._activity.init(*this, i);
		c._gain.push_back_listener(c._activity);
		for (int k = 0; k < 10; ++k)
		{
			c._links[k].init(_gui_ptr->use_mcl(), c._listeners[k].get_param_index());
			c._listeners[k].set_rc_mgr(c._links[k]);
		}
	}
}

ruvava::CtrlGroupItem &GuiEffect::group_of(int voice)
{
	return ((voice % 2) == 0) ? _gui_ptr->use_cell_1_3_cgi() : _gui_ptr->use_cell_2_4_cgi();
}

void GuiEffect::hide_band(int voice)
{
	Cell &c = _cells[voice];
	if (!c._shown)
	{
		return;
	}
	c._shown = false;
	for (int k = 0; k < 9; ++k)
	{
		ruvava::ControlInterface &ctrl = *c.others(k);
		ctrl.invalidate_all();
		group_of(voice).erase(ctrl);
		ctrl.disable();
	}
}

void GuiEffect::show_band(int voice)
{
	Cell &c = _cells[voice];
	if (c._shown)
	{
		return;
	}
	c._shown = true;
	for (int k = 0; k < 9; ++k)
	{
		ruvava::ControlInterface &ctrl = *c.others(k);
		ctrl.enable();
		group_of(voice).push_back(ctrl);
		ctrl.refresh_display();
	}
}

}  // namespace rivo
