#include "gui/x11/X11ErrorTrap.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace ruvava
{

namespace
{

// Editors may live on several threads, each with its own connection.
struct TrapRegistry
{
	std::mutex _mutex;
	std::vector<X11ErrorTrap *> _traps;
	int (*_saved)(Display *, XErrorEvent *) = nullptr;
};

TrapRegistry &registry()
{
	// Never destroyed: a trap may end during the process's exit.
	static TrapRegistry *r = new TrapRegistry;
	return *r;
}

}  // namespace

X11ErrorTrap::X11ErrorTrap(Display *dpy) : _dpy(dpy)
{
	TrapRegistry &r = registry();
	std::lock_guard<std::mutex> lock(r._mutex);
	if (r._traps.empty())
	{
		r._saved = XSetErrorHandler(&handler);
	}
	r._traps.push_back(this);
}

X11ErrorTrap::~X11ErrorTrap()
{
	TrapRegistry &r = registry();
	std::lock_guard<std::mutex> lock(r._mutex);
	r._traps.erase(std::remove(r._traps.begin(), r._traps.end(), this), r._traps.end());
	if (r._traps.empty())
	{
		XSetErrorHandler(r._saved);
		r._saved = nullptr;
	}
}

void X11ErrorTrap::sync()
{
	if (NextRequest(_dpy) - 1 > LastKnownRequestProcessed(_dpy))
	{
		XSync(_dpy, False);
	}
}

int X11ErrorTrap::handler(Display *dpy, XErrorEvent *ev)
{
	int (*forward)(Display *, XErrorEvent *) = nullptr;
	{
		TrapRegistry &r = registry();
		std::lock_guard<std::mutex> lock(r._mutex);
		// The innermost trap of that connection counts it.
		for (auto it = r._traps.rbegin(); it != r._traps.rend(); ++it)
		{
			X11ErrorTrap &t = **it;
			if (t._dpy == dpy)
			{
				++t._nbr_errors;
				if (ev->error_code == BadWindow || ev->error_code == BadDrawable)
				{
					t._bad_window = ev->resourceid;
				}
				return 0;
			}
		}
		forward = r._saved;
	}
	// Not ours: the host's own handler decides, outside our lock.
	return (forward != nullptr) ? forward(dpy, ev) : 0;
}

}  // namespace ruvava
