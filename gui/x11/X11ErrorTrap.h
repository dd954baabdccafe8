// Catches the X errors of one display connection while it lives (a window
// whose parent vanished, a grab refused), so that the default handler
// never ends the host; errors of other connections go to the handler that
// was there before, which comes back when the trap ends.
#pragma once

#include <X11/Xlib.h>

namespace ruvava
{

class X11ErrorTrap
{
public:
	explicit X11ErrorTrap(Display *dpy);
	// Waits for the replies to what was sent under the trap, so their
	// errors arrive here, then restores the former handler.
	~X11ErrorTrap();
	X11ErrorTrap(const X11ErrorTrap &) = delete;
	X11ErrorTrap &operator=(const X11ErrorTrap &) = delete;

	// Waits for the replies to what was sent so far (only when something was).
	void sync();
	// Errors caught so far, and the resource of the last BadWindow.
	int get_nbr_errors() const noexcept
	{
		return _nbr_errors;
	}
	XID get_bad_window() const noexcept
	{
		return _bad_window;
	}

private:
	static int handler(Display *dpy, XErrorEvent *ev);

	Display *_dpy;
	X11ErrorTrap *_outer_ptr;
	int (*_previous)(Display *, XErrorEvent *);
	int _nbr_errors = 0;
	XID _bad_window = 0;
};

}  // namespace ruvava
