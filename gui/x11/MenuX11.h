// The pop-up menu on X11: one override-redirect window per open level,
// drawn by the toolkit, with the pointer and keyboard grabbed while it is
// open. The request returns at once; input comes through the window's pump.
#pragma once

#include "gui/MenuPopup.h"

#include <memory>

namespace ruvava
{

class X11View;

class MenuX11 : public MenuPopup
{
public:
	explicit MenuX11(PumpedWindow &window);
	~MenuX11() override;

	// Null while the window is closed.
	void set_view(X11View *view_ptr);
	// An X event while the menu is open; false when it is not the menu's.
	// (The event is an XEvent, passed untyped to keep Xlib out of this header.)
	bool handle_event(const void *xevent_ptr);
	// Takes the pointer and keyboard again when an earlier try found them taken.
	void retry_grab();

protected:
	void do_show() override;

private:
	class _Impl;
	std::unique_ptr<_Impl> _impl;
};

}  // namespace ruvava
