// The toolkit's window on X11: a child of the window the host passes, on
// its own display connection, used only from the thread that opens, pumps
// and closes it. Nothing blocks: events, timers and redraws are served by
// pump(), which the host's idle calls drive.
#pragma once

#include "gui/PumpedWindow.h"

#include <memory>

namespace ruvava
{

class WindowX11 : public PumpedWindow
{
public:
	explicit WindowX11(const Coord2D &size, int scale = 1);
	~WindowX11() override;

	// Serves every pending X event, the timers that are due and the
	// invalidated zones. Harmless while closed.
	void pump() override;
	// The toolkit's X window (0 while closed), and whether it vanished with
	// its parent.
	unsigned long get_x_window() const noexcept;
	bool is_gone() const noexcept;

	Coord2D get_screen_origin() const override;
	Rect get_screen_rect() const override;

protected:
	// parent_ptr: the X window id of the host's window.
	int do_open(void *parent_ptr) override;
	void do_close() override;
	void resize() override;
	bool is_view_open() const override;
	void do_show_cursor(bool show) override;
	bool do_move_pointer(const Coord2D &dev) override;

private:
	class _Impl;

	void dispatch(const void *xevent_ptr);
	void shut_display();

	std::unique_ptr<_Impl> _impl;
};

}  // namespace ruvava
