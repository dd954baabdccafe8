#include "editor/GuiInfo.h"

#include "editor/ControlSetup.h"
#include "editor/TarvelleGui.h"
#include "gui/PumpedWindow.h"

namespace rivo
{

void GuiInfo::apply_pictures()
{
	ControlSetup::setup_pb_68(_setup_button, *_gui_ptr);
}

void GuiInfo::build()
{
	if (_built || _gui_ptr == nullptr)
	{
		return;
	}
	_built = true;
	apply_pictures();
	_setup_button.set_activable(false);
	_setup_button.set_rel_coord(ruvava::Coord2D(SETUP_X, SETUP_Y));
	_gui_ptr->use_info_cgi().push_back(_setup_button);
}

int GuiInfo::post_build()
{
	auto *win_ptr = static_cast<ruvava::PumpedWindow *>(_gui_ptr->get_msg_mgr_ptr());
	return _setup.init(*_gui_ptr, _gui_ptr->use_mcl(), _setup_button, _jump,
	                   (win_ptr != nullptr) ? &win_ptr->use_dialog_host() : nullptr);
}

}  // namespace rivo
