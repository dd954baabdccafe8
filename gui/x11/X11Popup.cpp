#include "gui/x11/X11Popup.h"

namespace ruvava
{

namespace
{

constexpr long POPUP_EVENTS = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask;

}  // namespace

X11Popup::~X11Popup()
{
	hide();
}

void X11Popup::show(X11View &view, const Rect &frame, RenderingBufferMem &pixels)
{
	_view_ptr = &view;
	Display *dpy = view._dpy;
	if (_win == 0)
	{
		_win = view.create_popup(frame._x0, frame._y0, frame.width(), frame.height(), POPUP_EVENTS);
		XMapRaised(dpy, _win);
	}
	else if (!(frame == _frame))
	{
		XMoveResizeWindow(dpy, _win, frame._x0, frame._y0, unsigned(frame.width()), unsigned(frame.height()));
	}
	_frame = frame;
	view.put(_win, pixels.get_data_ptr(), pixels.get_size()._x, 0, 0, frame.width(), frame.height());
}

void X11Popup::hide()
{
	ungrab();
	if (_win != 0 && _view_ptr != nullptr)
	{
		XDestroyWindow(_view_ptr->_dpy, _win);
	}
	_win = 0;
	_frame = Rect();
}

bool X11Popup::grab(bool keyboard)
{
	if (_win == 0 || _view_ptr == nullptr)
	{
		return false;
	}
	Display *dpy = _view_ptr->_dpy;
	if (!_grabbed)
	{
		// Owner events: our own windows get their events as usual, the rest
		// of the screen reports to this one, so a click outside is seen.
		_grabbed = (XGrabPointer(dpy, _win, True, ButtonPressMask | ButtonReleaseMask | PointerMotionMask, GrabModeAsync,
		                         GrabModeAsync, None, None, CurrentTime) == GrabSuccess);
	}
	if (_grabbed && keyboard && !_keyboard)
	{
		_keyboard = (XGrabKeyboard(dpy, _win, True, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess);
	}
	return _grabbed && (_keyboard || !keyboard);
}

void X11Popup::ungrab()
{
	if (_view_ptr == nullptr)
	{
		return;
	}
	if (_keyboard)
	{
		XUngrabKeyboard(_view_ptr->_dpy, CurrentTime);
	}
	if (_grabbed)
	{
		XUngrabPointer(_view_ptr->_dpy, CurrentTime);
	}
	_keyboard = false;
	_grabbed = false;
}

}  // namespace ruvava
