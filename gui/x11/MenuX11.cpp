#include "gui/x11/MenuX11.h"

#include "gui/x11/X11Keys.h"
#include "gui/x11/X11Popup.h"

#include <vector>

namespace ruvava
{

class MenuX11::_Impl
{
public:
	X11View *_view_ptr = nullptr;
	std::vector<std::unique_ptr<X11Popup>> _levels;

	bool owns(Window w) const
	{
		for (const auto &p : _levels)
		{
			if (p->owns(w))
			{
				return true;
			}
		}
		return false;
	}
};

MenuX11::MenuX11(PumpedWindow &window) : MenuPopup(window), _impl(new _Impl) {}

MenuX11::~MenuX11() = default;

void MenuX11::set_view(X11View *view_ptr)
{
	if (view_ptr == nullptr)
	{
		stop();
		_impl->_levels.clear();
	}
	_impl->_view_ptr = view_ptr;
}

void MenuX11::do_show()
{
	const MenuView &view = use_view();
	std::vector<std::unique_ptr<X11Popup>> &levels = _impl->_levels;
	if (_impl->_view_ptr == nullptr || _impl->_view_ptr->_gone || !view.is_open())
	{
		levels.clear();
		return;
	}
	levels.resize(size_t(view.get_nbr_levels()));
	for (int i = 0; i < view.get_nbr_levels(); ++i)
	{
		if (levels[size_t(i)] == nullptr)
		{
			levels[size_t(i)].reset(new X11Popup);
		}
		const Rect &frame = view.use_level(i)._frame;
		RenderingBufferMem pixels(Coord2D(frame.width(), frame.height()));
		view.render(i, pixels);
		levels[size_t(i)]->show(*_impl->_view_ptr, frame, pixels);
	}
	retry_grab();
}

void MenuX11::retry_grab()
{
	// The pointer only: the keyboard stays with the host unless the user types.
	if (!_impl->_levels.empty() && _impl->_levels.front()->needs_grab(false))
	{
		_impl->_levels.front()->grab(false);
	}
}

bool MenuX11::handle_event(const void *xevent_ptr)
{
	if (!use_view().is_open())
	{
		return false;
	}
	XEvent ev = *static_cast<const XEvent *>(xevent_ptr);
	switch (ev.type)
	{
	case MotionNotify:
		motion(Coord2D(ev.xmotion.x_root, ev.xmotion.y_root));
		return true;
	case ButtonPress:
		if (ev.xbutton.button <= Button3)
		{
			press(Coord2D(ev.xbutton.x_root, ev.xbutton.y_root));
		}
		return true;
	case ButtonRelease:
		if (ev.xbutton.button <= Button3)
		{
			release(Coord2D(ev.xbutton.x_root, ev.xbutton.y_root));
		}
		return true;
	case KeyPress:
	{
		MenuView::Key k;
		if (X11Keys::to_menu_key(ev.xkey, k))
		{
			key(k);
		}
		return true;
	}
	case Expose:
		if (_impl->owns(ev.xexpose.window))
		{
			if (ev.xexpose.count == 0)
			{
				do_show();
			}
			return true;
		}
		return false;
	default:
		return false;
	}
}

}  // namespace ruvava
