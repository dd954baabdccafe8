#include "gui/x11/DialogHostX11.h"

#include "gui/RenderingBufferMem.h"
#include "gui/x11/X11ErrorTrap.h"
#include "gui/x11/X11Keys.h"
#include "gui/x11/X11View.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <map>

namespace ruvava
{

class DialogHostX11::_Impl
{
public:
	X11View *_view_ptr = nullptr;
	std::map<const DialogView *, Window> _windows;

	// The host's top-level window: the nearest ancestor of ours that the
	// window manager knows (WM_STATE), else the last one under the root.
	Window find_top_level() const
	{
		Display *dpy = _view_ptr->_dpy;
		const Atom wm_state = XInternAtom(dpy, "WM_STATE", False);
		Window w = _view_ptr->_win;
		Window last = w;
		for (int depth = 0; depth < 32; ++depth)
		{
			Window root;
			Window parent;
			Window *kids = nullptr;
			unsigned n = 0;
			if (!XQueryTree(dpy, w, &root, &parent, &kids, &n))
			{
				break;
			}
			if (kids != nullptr)
			{
				XFree(kids);
			}
			if (parent == 0 || parent == root)
			{
				return last;
			}
			Atom type;
			int format;
			unsigned long items;
			unsigned long after;
			unsigned char *prop = nullptr;
			if (XGetWindowProperty(dpy, parent, wm_state, 0, 2, False, AnyPropertyType, &type, &format, &items,
			                       &after, &prop) == Success &&
			    type != None)
			{
				XFree(prop);
				return parent;
			}
			if (prop != nullptr)
			{
				XFree(prop);
			}
			last = parent;
			w = parent;
		}
		return last;
	}

	Window create(DialogView &view)
	{
		X11View &v = *_view_ptr;
		Display *dpy = v._dpy;
		const Coord2D size = view.get_size();
		const Window top = find_top_level();
		// Centred over the host's window.
		XWindowAttributes ta;
		int x = 0;
		int y = 0;
		if (XGetWindowAttributes(dpy, top, &ta) != 0)
		{
			Window child;
			XTranslateCoordinates(dpy, top, v._root, (ta.width - size._x) / 2, (ta.height - size._y) / 2, &x, &y,
			                      &child);
		}
		XSetWindowAttributes attr;
		attr.event_mask = ExposureMask | ButtonPressMask | KeyPressMask | StructureNotifyMask;
		attr.colormap = v._colormap;
		attr.border_pixel = 0;
		attr.background_pixmap = None;
		const Window w = XCreateWindow(dpy, v._root, x, y, unsigned(size._x), unsigned(size._y), 0, v._depth,
		                               InputOutput, v._visual, CWEventMask | CWColormap | CWBorderPixel | CWBackPixmap,
		                               &attr);
		XStoreName(dpy, w, view.get_title().c_str());
		Atom del = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
		XSetWMProtocols(dpy, w, &del, 1);
		XSetTransientForHint(dpy, w, top);
		XSizeHints hints{};
		hints.flags = PMinSize | PMaxSize | PPosition;
		hints.x = x;
		hints.y = y;
		hints.min_width = hints.max_width = size._x;
		hints.min_height = hints.max_height = size._y;
		XSetWMNormalHints(dpy, w, &hints);
		const Atom type = XInternAtom(dpy, "_NET_WM_WINDOW_TYPE", False);
		const Atom dialog = XInternAtom(dpy, "_NET_WM_WINDOW_TYPE_DIALOG", False);
		XChangeProperty(dpy, w, type, XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char *>(&dialog),
		                1);
		XMapRaised(dpy, w);
		return w;
	}

	void draw(DialogView &view, Window w)
	{
		const Coord2D size = view.get_size();
		RenderingBufferMem pixels(size);
		view.render(pixels);
		_view_ptr->put(w, pixels.get_data_ptr(), size._x, 0, 0, size._x, size._y);
	}
};

DialogHostX11::DialogHostX11(PumpedWindow &window) : DialogHost(window), _impl(new _Impl) {}

DialogHostX11::~DialogHostX11() = default;

void DialogHostX11::set_view(X11View *view_ptr)
{
	if (view_ptr == nullptr && _impl->_view_ptr != nullptr && !_impl->_view_ptr->_gone)
	{
		X11ErrorTrap trap(_impl->_view_ptr->_dpy);
		for (const auto &e : _impl->_windows)
		{
			XDestroyWindow(_impl->_view_ptr->_dpy, e.second);
		}
	}
	if (view_ptr == nullptr)
	{
		_impl->_windows.clear();
	}
	_impl->_view_ptr = view_ptr;
}

void DialogHostX11::do_show(DialogView &view)
{
	if (_impl->_view_ptr == nullptr || _impl->_view_ptr->_gone)
	{
		return;
	}
	X11ErrorTrap trap(_impl->_view_ptr->_dpy);
	auto it = _impl->_windows.find(&view);
	if (it == _impl->_windows.end())
	{
		it = _impl->_windows.emplace(&view, _impl->create(view)).first;
	}
	_impl->draw(view, it->second);
}

void DialogHostX11::do_hide(DialogView &view)
{
	const auto it = _impl->_windows.find(&view);
	if (it == _impl->_windows.end())
	{
		return;
	}
	if (_impl->_view_ptr != nullptr)
	{
		X11ErrorTrap trap(_impl->_view_ptr->_dpy);
		XDestroyWindow(_impl->_view_ptr->_dpy, it->second);
	}
	_impl->_windows.erase(it);
}

unsigned long DialogHostX11::get_x_window(const DialogView &view) const
{
	const auto it = _impl->_windows.find(&view);
	return (it == _impl->_windows.end()) ? 0 : it->second;
}

bool DialogHostX11::handle_event(const void *xevent_ptr)
{
	XEvent ev = *static_cast<const XEvent *>(xevent_ptr);
	DialogView *view_ptr = nullptr;
	for (const auto &e : _impl->_windows)
	{
		if (e.second == ev.xany.window)
		{
			view_ptr = const_cast<DialogView *>(e.first);
		}
	}
	if (view_ptr == nullptr)
	{
		return false;
	}
	switch (ev.type)
	{
	case Expose:
		if (ev.xexpose.count == 0)
		{
			_impl->draw(*view_ptr, ev.xany.window);
		}
		break;
	case ButtonPress:
		if (ev.xbutton.button == Button1)
		{
			view_ptr->press(Coord2D(ev.xbutton.x, ev.xbutton.y));
		}
		break;
	case KeyPress:
	{
		DialogView::Key k;
		std::string chars;
		if (X11Keys::to_dialog_key(ev.xkey, k, chars))
		{
			view_ptr->key(k);
		}
		else
		{
			view_ptr->type(chars);
		}
		break;
	}
	case ClientMessage:
		if (Atom(ev.xclient.data.l[0]) == XInternAtom(_impl->_view_ptr->_dpy, "WM_DELETE_WINDOW", False))
		{
			view_ptr->close();
		}
		break;
	default:
		break;
	}
	return true;
}

}  // namespace ruvava
