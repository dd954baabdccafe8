// Catches the X errors of one display connection while it lives (a window
// whose parent vanished, a grab refused), so that the default handler never
// ends the host. The handler is process-wide in Xlib: the first trap of the
// process installs ours, which passes the errors of every other connection
// to the handler that was there before, and the last trap puts that one back.
// Errors of a connection reach a handler only inside calls on it, so as long
// as every call on ours is made under a trap, no error of ours escapes.
#pragma once

#include <X11/Xlib.h>

namespace ruvava
{

class X11ErrorTrap
{
public:
	explicit X11ErrorTrap(Display *dpy);
	~X11ErrorTrap();
	X11ErrorTrap(const X11ErrorTrap &) = delete;
	X11ErrorTrap &operator=(const X11ErrorTrap &) = delete;

	// Waits for the replies to what was sent so far (only when something was),
	// so that their errors are counted now.
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
	int _nbr_errors = 0;
	XID _bad_window = 0;
};

}  // namespace ruvava
