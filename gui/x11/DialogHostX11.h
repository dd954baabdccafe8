// The editor's dialogs on X11: each in a top-level window of its own,
// transient for the host's window so that it stays above it, drawn by the
// toolkit; input comes through the editor window's pump.
#pragma once

#include "gui/DialogHost.h"

#include <memory>

namespace ruvava
{

class X11View;

class DialogHostX11 : public DialogHost
{
public:
	explicit DialogHostX11(PumpedWindow &window);
	~DialogHostX11() override;

	// Null while the editor window is closed.
	void set_view(X11View *view_ptr);
	// An X event (XEvent, untyped); false when no dialog's.
	bool handle_event(const void *xevent_ptr);
	// A dialog's X window (0 when not shown), for tests.
	unsigned long get_x_window(const DialogView &view) const;

protected:
	void do_show(DialogView &view) override;
	void do_hide(DialogView &view) override;

private:
	class _Impl;
	std::unique_ptr<_Impl> _impl;
};

}  // namespace ruvava
