#include "gui/x11/X11ErrorTrap.h"

namespace ruvava
{

namespace
{

// The innermost trap; traps nest on the one thread that drives the editor.
thread_local X11ErrorTrap *current_ptr = nullptr;

}  // namespace

X11ErrorTrap::X11ErrorTrap(Display *dpy) : _dpy(dpy), _outer_ptr(current_ptr), _previous(XSetErrorHandler(&handler))
{
	current_ptr = this;
}

void X11ErrorTrap::sync()
{
	// Only a round trip when something was sent since the last reply.
	if (NextRequest(_dpy) - 1 > LastKnownRequestProcessed(_dpy))
	{
		XSync(_dpy, False);
	}
}

X11ErrorTrap::~X11ErrorTrap()
{
	sync();
	current_ptr = _outer_ptr;
	XSetErrorHandler(_previous);
}

int X11ErrorTrap::handler(Display *dpy, XErrorEvent *ev)
{
	for (X11ErrorTrap *t = current_ptr; t != nullptr; t = t->_outer_ptr)
	{
		if (t->_dpy == dpy)
		{
			++t->_nbr_errors;
			if (ev->error_code == BadWindow || ev->error_code == BadDrawable)
			{
				t->_bad_window = ev->resourceid;
			}
			return 0;
		}
	}
	// Not ours: the host's own handler decides.
	X11ErrorTrap *outermost = current_ptr;
	while (outermost != nullptr && outermost->_outer_ptr != nullptr)
	{
		outermost = outermost->_outer_ptr;
	}
	return (outermost != nullptr && outermost->_previous != nullptr) ? outermost->_previous(dpy, ev) : 0;
}

}  // namespace ruvava
