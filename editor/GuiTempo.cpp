#include "editor/GuiTempo.h"

#include "editor/ControlSetup.h"
#include "editor/TarvelleGui.h"
#include "engine/ParamIndex.h"
#include "params/HostGuiInterface.h"

namespace rivo
{

void GuiTempo::apply_pictures()
{
	const GraphRscMixin &rsc = *_gui_ptr;
	ControlSetup::setup_sp_06(_spin, rsc);
	ControlSetup::setup_ff_26(_unit, rsc);
	ControlSetup::setup_text_box(_tb, rsc, TarvelleGui::DEFAULT_FONT, 48, 13, ruvava::TextFrame::Justification_RIGHT,
	                             "Tempo :");
}

void GuiTempo::build()
{
	if (_built || _gui_ptr == nullptr)
	{
		return;
	}
	_built = true;
	apply_pictures();
	_spin.set_rel_coord(ruvava::Coord2D(64, 33));
	_tb.set_rel_coord(ruvava::Coord2D(6, 29));
	_unit.set_rel_coord(ruvava::Coord2D(39, 57));
	_tb.set_text("1234567");
	_spin_listener.init(*_gui_ptr, _tb);
	_gui_ptr->bind_param(_spin, _spin_listener, ParamIndex::TEMPO, true);
	_gui_ptr->bind_param(_tb, _tb_listener, ParamIndex::TEMPO, false);
	_tb_listener.set_spin(_spin);
	_unit_listener.init(*_gui_ptr);
	_unit.set_listener(&_unit_listener);
	for (ruvava::ControlInterface *c : {static_cast<ruvava::ControlInterface *>(&_spin),
	                                    static_cast<ruvava::ControlInterface *>(&_tb),
	                                    static_cast<ruvava::ControlInterface *>(&_unit)})
	{
		c->set_activable(false);
	}
	ruvava::CtrlGroupItem &group = _gui_ptr->use_tempo_cgi();
	group.push_back(_tb);
	group.push_back(_unit);
	check_tempo_ctrl();
	_unit_listener.update_value();
}

bool GuiTempo::check_host_can_tempo() const
{
	const HostGuiInterface *host_ptr = _gui_ptr->get_host();
	return host_ptr != nullptr && host_ptr->get_property("can_tempo") != 0;
}

void GuiTempo::check_tempo_ctrl()
{
	if (!_built)
	{
		return;
	}
	const bool host_tempo = check_host_can_tempo();
	_tb.set_editable(!host_tempo);
	if (host_tempo && _spin_shown)
	{
		_spin.invalidate_all();
		_gui_ptr->use_tempo_cgi().erase(_spin);
		_spin.disable();
	}
	else if (!host_tempo && !_spin_shown)
	{
		_spin.enable();
		_gui_ptr->use_tempo_cgi().push_back(_spin);
	}
	_spin_shown = !host_tempo;
}

}  // namespace rivo
