// The information bar: the setup button and the setup menu it opens.
#pragma once

#include "editor/SetupMgr.h"
#include "editor/WebSiteJump.h"
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
	// The setup menu, once every control exists (auto-bind watches them).
	int post_build();
	void restore()
	{
		_setup.restore();
	}
	void apply_pictures();

	ruvava::PushButton &use_setup_button() noexcept
	{
		return _setup_button;
	}
	SetupMgr &use_setup_mgr() noexcept
	{
		return _setup;
	}

private:
	TarvelleGui *_gui_ptr = nullptr;
	bool _built = false;
	ruvava::PushButton _setup_button;
	WebSiteJump _jump;
	SetupMgr _setup;
};

}  // namespace rivo
