#include "gui/x11/WindowX11.h"

#include "gui/Invalidate.h"
#include "gui/MouseState.h"
#include "gui/x11/DialogHostX11.h"
#include "gui/x11/MenuX11.h"
#include "gui/x11/RenderingBufferX11.h"
#include "gui/x11/TextLineEditorX11.h"
#include "gui/x11/X11ErrorTrap.h"
#include "gui/x11/X11View.h"
#include "sys/sys_fnc.h"

#include <cstdint>

namespace ruvava
{

namespace
{

constexpr long WINDOW_EVENTS =
    ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | StructureNotifyMask;

int buttons_of(unsigned int state)
{
	return ((state & Button1Mask) ? MouseState_PRIMARY : 0) | ((state & Button3Mask) ? MouseState_SECONDARY : 0) |
	       ((state & Button2Mask) ? MouseState_TERTIARY : 0);
}

int button_bit(unsigned int button)
{
	return (button == Button1) ? MouseState_PRIMARY
	       : (button == Button3) ? MouseState_SECONDARY
	       : (button == Button2) ? MouseState_TERTIARY
	                             : 0;
}

int alt_keys_of(unsigned int state)
{
	return ((state & ControlMask) ? AltKeys_CONTROL : 0) | ((state & ShiftMask) ? AltKeys_SHIFT : 0) |
	       ((state & Mod4Mask) ? AltKeys_COMMAND : 0) | ((state & Mod1Mask) ? AltKeys_OPTION : 0);
}

}  // namespace

class WindowX11::_Impl
{
public:
	X11View _view;
	Window _parent = 0;
	Cursor _blank = 0;
};

WindowX11::WindowX11(const Coord2D &size, int scale) : PumpedWindow(size), _impl(new _Impl)
{
	set_scale(scale);
	set_rd_buf(new RenderingBufferX11(Coord2D(128, 128)));
	set_menu(new MenuX11(*this));
	set_text_line_editor(new TextLineEditorX11(*this));
	set_dialog_host(new DialogHostX11(*this));
}

WindowX11::~WindowX11()
{
	forget_trees();
	shut_display();
	delete_owned();
}

unsigned long WindowX11::get_x_window() const noexcept
{
	return _impl->_view._win;
}

bool WindowX11::is_gone() const noexcept
{
	return _impl->_view._gone;
}

bool WindowX11::is_view_open() const
{
	return _impl->_view._dpy != nullptr && !_impl->_view._gone;
}

int WindowX11::do_open(void *parent_ptr)
{
	const Window parent = Window(reinterpret_cast<uintptr_t>(parent_ptr));
	X11View &v = _impl->_view;
	if (v._dpy != nullptr)
	{
		// Opened again without a close: the same parent keeps the window,
		// another one gets a new one.
		if (parent == _impl->_parent && !v._gone)
		{
			return 0;
		}
		// Hidden first, so that controls stop what runs and start again on show.
		close();
	}
	if (parent == 0)
	{
		return -1;
	}
	Display *dpy = XOpenDisplay(nullptr);
	if (dpy == nullptr)
	{
		return -1;
	}
	bool ok = false;
	{
		X11ErrorTrap trap(dpy);
		XWindowAttributes pa;
		if (XGetWindowAttributes(dpy, parent, &pa) != 0 && trap.get_nbr_errors() == 0)
		{
			v._dpy = dpy;
			v._root = pa.root;
			v._screen = XScreenNumberOfScreen(pa.screen);
			v._visual = pa.visual;
			v._depth = pa.depth;
			v._colormap = pa.colormap;
			XSetWindowAttributes attr;
			attr.background_pixmap = None;
			attr.border_pixel = 0;
			attr.colormap = pa.colormap;
			attr.event_mask = WINDOW_EVENTS;
			const int s = get_scale();
			const Coord2D size = can_resize() ? get_size() : get_max_size();
			v._win = XCreateWindow(dpy, parent, 0, 0, unsigned(size._x * s), unsigned(size._y * s), 0, pa.depth,
			                       InputOutput, pa.visual, CWBackPixmap | CWBorderPixel | CWColormap | CWEventMask,
			                       &attr);
			v._gc = XCreateGC(dpy, v._win, 0, nullptr);
			XMapWindow(dpy, v._win);
			XSync(dpy, False);
			ok = (trap.get_nbr_errors() == 0);
		}
	}
	if (!ok)
	{
		v._dpy = dpy;
		shut_display();
		return -1;
	}
	_impl->_parent = parent;
	static_cast<RenderingBufferX11 *>(get_rd_buf())->set_view(&v);
	static_cast<MenuX11 *>(use_menu())->set_view(&v);
	static_cast<TextLineEditorX11 *>(use_text_line_editor())->set_view(&v);
	static_cast<DialogHostX11 &>(use_dialog_host()).set_view(&v);
	Invalidate all(Rect(Coord2D(), get_size()));
	send_message(all);
	return 0;
}

void WindowX11::do_close()
{
	// Open dialogs answer "cancelled" while their callers are still there.
	use_dialog_host().cancel_all();
	shut_display();
}

void WindowX11::shut_display()
{
	X11View &v = _impl->_view;
	if (v._dpy == nullptr)
	{
		return;
	}
	Display *dpy = v._dpy;
	{
		// Closing the connection reads the replies still due: under the trap too.
		X11ErrorTrap trap(dpy);
		end_capture();
		static_cast<MenuX11 *>(use_menu())->set_view(nullptr);
		static_cast<TextLineEditorX11 *>(use_text_line_editor())->set_view(nullptr);
		static_cast<DialogHostX11 &>(use_dialog_host()).set_view(nullptr);
		static_cast<RenderingBufferX11 *>(get_rd_buf())->set_view(nullptr);
		if (v._win != 0 && !v._gone)
		{
			XDestroyWindow(dpy, v._win);
		}
		if (_impl->_blank != 0)
		{
			XFreeCursor(dpy, _impl->_blank);
		}
		if (v._gc != nullptr)
		{
			XFreeGC(dpy, v._gc);
		}
		XCloseDisplay(dpy);
	}
	v = X11View();
	_impl->_parent = 0;
	_impl->_blank = 0;
	reset_pump();
}

void WindowX11::pump()
{
	X11View &v = _impl->_view;
	if (v._dpy == nullptr)
	{
		return;
	}
	X11ErrorTrap trap(v._dpy);
	while (XPending(v._dpy) > 0)
	{
		XEvent ev;
		XNextEvent(v._dpy, &ev);
		dispatch(&ev);
	}
	// The errors of earlier requests arrive with the events.
	if (trap.get_bad_window() != 0 && trap.get_bad_window() == v._win)
	{
		v._gone = true;
	}
	if (v._gone)
	{
		// Pop-ups of a vanished editor must not keep the pointer or the
		// keyboard, and its dialogs answer "cancelled".
		use_dialog_host().cancel_all();
		use_menu()->stop();
		if (use_text_line_editor()->is_running())
		{
			use_text_line_editor()->stop();
		}
	}
	else
	{
		static_cast<MenuX11 *>(use_menu())->retry_grab();
		static_cast<TextLineEditorX11 *>(use_text_line_editor())->retry_grab();
		serve(sys::get_time_stamp());
	}
	XFlush(v._dpy);
}

void WindowX11::dispatch(const void *xevent_ptr)
{
	const XEvent &ev = *static_cast<const XEvent *>(xevent_ptr);
	X11View &v = _impl->_view;
	if (static_cast<DialogHostX11 &>(use_dialog_host()).handle_event(&ev) ||
	    static_cast<MenuX11 *>(use_menu())->handle_event(&ev) ||
	    static_cast<TextLineEditorX11 *>(use_text_line_editor())->handle_event(&ev) || ev.xany.window != v._win)
	{
		return;
	}
	const int s = get_scale();
	switch (ev.type)
	{
	case Expose:
	{
		const XExposeEvent &e = ev.xexpose;
		Invalidate inv(e.x / s, e.y / s, (e.x + e.width + s - 1) / s, (e.y + e.height + s - 1) / s);
		send_message(inv);
		break;
	}
	case ButtonPress:
		if (button_bit(ev.xbutton.button) != 0)
		{
			mouse_down(Coord2D(ev.xbutton.x, ev.xbutton.y), buttons_of(ev.xbutton.state) | button_bit(ev.xbutton.button),
			           alt_keys_of(ev.xbutton.state), sys::get_time_stamp());
		}
		break;
	case ButtonRelease:
		if (button_bit(ev.xbutton.button) != 0)
		{
			mouse_up(Coord2D(ev.xbutton.x, ev.xbutton.y), alt_keys_of(ev.xbutton.state));
		}
		break;
	case MotionNotify:
		mouse_moved(Coord2D(ev.xmotion.x, ev.xmotion.y), buttons_of(ev.xmotion.state));
		break;
	case DestroyNotify:
		if (ev.xdestroywindow.window == v._win)
		{
			v._gone = true;
		}
		break;
	default:
		break;
	}
}

void WindowX11::resize()
{
	X11View &v = _impl->_view;
	if (is_view_open() && can_resize())
	{
		X11ErrorTrap trap(v._dpy);
		XResizeWindow(v._dpy, v._win, unsigned(get_size()._x * get_scale()), unsigned(get_size()._y * get_scale()));
	}
}

void WindowX11::do_show_cursor(bool show)
{
	X11View &v = _impl->_view;
	if (!is_view_open())
	{
		return;
	}
	X11ErrorTrap trap(v._dpy);
	if (show)
	{
		XUndefineCursor(v._dpy, v._win);
		return;
	}
	if (_impl->_blank == 0)
	{
		static const char empty = 0;
		XColor black{};
		const Pixmap bits = XCreateBitmapFromData(v._dpy, v._win, &empty, 1, 1);
		_impl->_blank = XCreatePixmapCursor(v._dpy, bits, bits, &black, &black, 0, 0);
		XFreePixmap(v._dpy, bits);
	}
	XDefineCursor(v._dpy, v._win, _impl->_blank);
}

bool WindowX11::do_move_pointer(const Coord2D &dev)
{
	X11View &v = _impl->_view;
	if (!is_view_open())
	{
		return false;
	}
	X11ErrorTrap trap(v._dpy);
	XWarpPointer(v._dpy, None, v._win, 0, 0, 0, 0, dev._x, dev._y);
	return true;
}

Coord2D WindowX11::get_screen_origin() const
{
	return is_view_open() ? _impl->_view.get_screen_origin() : Coord2D();
}

Rect WindowX11::get_screen_rect() const
{
	const X11View &v = _impl->_view;
	if (v._dpy == nullptr)
	{
		return Rect();
	}
	return Rect(0, 0, DisplayWidth(v._dpy, v._screen), DisplayHeight(v._dpy, v._screen));
}

}  // namespace ruvava
