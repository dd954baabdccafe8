// The information bar: the setup button, which opens the setup menu.
#pragma once

#include "gui/DefaultEventListener.h"
#include "gui/MenuItem.h"
#include "gui/MenuList.h"
#include "gui/PushButton.h"

namespace rivo
{

class TarvelleGui;

class GuiInfo
{
public:
	static constexpr int SETUP_X = 578;
	static constexpr int SETUP_Y = 12;

	void init(TarvelleGui &gui) noexcept
	{
		_gui_ptr = &gui;
	}
	void build();
	void post_build() {}
	void restore() {}
	void apply_pictures();

	ruvava::PushButton &use_setup_button() noexcept
	{
		return _setup;
	}
	ruvava::MenuList &use_setup_menu() noexcept
	{
		return _menu;
	}

private:
	// A press of the button pops the menu up under it.
	class SetupButtonListener : public ruvava::DefaultEventListener
	{
	public:
		ruvava::MenuList *_menu_ptr = nullptr;
		void send_custom_event(long id, void *data_ptr) override;
	};

	TarvelleGui *_gui_ptr = nullptr;
	bool _built = false;
	ruvava::PushButton _setup;
	SetupButtonListener _listener;
	ruvava::MenuList _menu{"Setup"};
	// Until the settings come, the menu says there are none.
	ruvava::MenuItem _placeholder{"No settings yet", false, false, true};
};

}  // namespace rivo
