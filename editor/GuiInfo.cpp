#include "editor/GuiInfo.h"

#include "editor/ControlSetup.h"
#include "editor/TarvelleGui.h"
#include "gui/MenuRequest.h"

namespace rivo
{

void GuiInfo::SetupButtonListener::send_custom_event(long id, void *)
{
	ruvava::ControlInterface *ctrl_ptr = use_ci();
	if (id == 0 && _menu_ptr != nullptr && ctrl_ptr != nullptr)
	{
		// At the pointer, which pressed the button.
		ruvava::MenuRequest request(*_menu_ptr, ruvava::Coord2D(0, 0));
		ctrl_ptr->send_message(request);
	}
}

void GuiInfo::apply_pictures()
{
	ControlSetup::setup_pb_68(_setup, *_gui_ptr);
}

void GuiInfo::build()
{
	if (_built || _gui_ptr == nullptr)
	{
		return;
	}
	_built = true;
	apply_pictures();
	_menu.push_back(_placeholder);
	_listener._menu_ptr = &_menu;
	_setup.set_listener(&_listener);
	_setup.set_activable(false);
	_setup.set_rel_coord(ruvava::Coord2D(SETUP_X, SETUP_Y));
	_gui_ptr->use_info_cgi().push_back(_setup);
}

}  // namespace rivo
