#include "editor/GuiEffect.h"

#include "editor/ControlSetup.h"
#include "editor/TarvelleGui.h"
#include "engine/ParamIndex.h"
#include "engine/TarvelleDsp.h"

namespace rivo
{

void GuiEffect::init(TarvelleGui &gui)
{
	_gui_ptr = &gui;
	_cells.init(gui);
}

void GuiEffect::apply_pictures()
{
	const GraphRscMixin &rsc = *_gui_ptr;
	ControlSetup::setup_fd_17(_master, rsc);
	ControlSetup::setup_fd_15(_tone_gain, rsc);
	ControlSetup::setup_kn_32(_tone_x, rsc);
	ControlSetup::setup_kn_32(_tone_y, rsc);
	ControlSetup::setup_clip_led(_clip_led, rsc);
	_cells.apply_pictures();
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
	using C = ruvava::Coord2D;
	using P = ParamIndex;
	_gui_ptr->place(_master, _strip_listeners[0], P::MASTER_VOL, strip, C(31, 158));
	_gui_ptr->place(_tone_gain, _strip_listeners[1], P::COLORED_VOL, strip, C(31, 270));
	_gui_ptr->place(_tone_x, _strip_listeners[2], P::TONE_X, strip, C(30, 375));
	_gui_ptr->place(_tone_y, _strip_listeners[3], P::TONE_Y, strip, C(31, 415));
	_gui_ptr->set_main_mgr(_strip_mgrs[0], _strip_listeners[0], P::MASTER_VOL);
	_gui_ptr->set_main_mgr(_strip_mgrs[1], _strip_listeners[1], P::COLORED_VOL);
	_gui_ptr->set_main_mgr_lfo(_strip_mgrs[2], _strip_listeners[2], P::TONE_X);
	_gui_ptr->set_main_mgr_lfo(_strip_mgrs[3], _strip_listeners[3], P::TONE_Y);
	_clip_led.set_rel_coord(C(31, 128));
	_clip_led.set_listener(&_clip_listener);
	_clip_led.set_activable(false);
	if (auto *engine_ptr = dynamic_cast<TarvelleDsp *>(_gui_ptr->get_dsp()))
	{
		_clip_listener.set_clip_detector(&engine_ptr->use_clip_detector());
	}
	strip.push_back(_clip_led);
	_cells.build();
}

}  // namespace rivo
