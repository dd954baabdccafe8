#include "gui/x11/TextLineEditorX11.h"

#include "gui/PumpedWindow.h"
#include "gui/x11/X11Keys.h"
#include "gui/x11/X11Popup.h"

namespace ruvava
{

class TextLineEditorX11::_Impl
{
public:
	X11View *_view_ptr = nullptr;
	X11Popup _popup;
};

TextLineEditorX11::TextLineEditorX11(PumpedWindow &window) : TextLineEditorPopup(window), _impl(new _Impl) {}

TextLineEditorX11::~TextLineEditorX11() = default;

void TextLineEditorX11::set_view(X11View *view_ptr)
{
	if (view_ptr == nullptr)
	{
		if (is_running())
		{
			stop();
		}
		_impl->_popup.hide();
	}
	_impl->_view_ptr = view_ptr;
}

void TextLineEditorX11::do_show()
{
	X11View *view_ptr = _impl->_view_ptr;
	if (view_ptr == nullptr || view_ptr->_gone || !is_running())
	{
		// The keyboard goes back with the window.
		_impl->_popup.hide();
		return;
	}
	const Rect &frame = get_screen_frame();
	RenderingBufferMem pixels(Coord2D(frame.width(), frame.height()));
	use_edit().render(pixels, *use_pumped_window().use_sys_font(), use_pumped_window().get_scale());
	_impl->_popup.show(*view_ptr, frame, pixels);
	retry_grab();
}

void TextLineEditorX11::retry_grab()
{
	if (is_running() && _impl->_popup.needs_grab(true))
	{
		_impl->_popup.grab(true);
	}
}

bool TextLineEditorX11::handle_event(const void *xevent_ptr)
{
	if (!is_running())
	{
		return false;
	}
	XEvent ev = *static_cast<const XEvent *>(xevent_ptr);
	switch (ev.type)
	{
	case KeyPress:
	{
		TextLineEdit::Key k;
		std::string chars;
		if (X11Keys::to_edit_key(ev.xkey, k, chars))
		{
			key(k);
		}
		else
		{
			type(chars);
		}
		return true;
	}
	case ButtonPress:
		// Outside the entry it closes; the click still goes on to what is under it.
		press(Coord2D(ev.xbutton.x_root, ev.xbutton.y_root));
		return _impl->_popup.owns(ev.xbutton.window);
	case ButtonRelease:
	case MotionNotify:
		return _impl->_popup.owns(ev.xany.window);
	case Expose:
		if (_impl->_popup.owns(ev.xexpose.window))
		{
			do_show();
			return true;
		}
		return false;
	default:
		return false;
	}
}

}  // namespace ruvava
