#include "gui/MenuPopup.h"

#include "gui/MenuRequest.h"
#include "gui/PumpedWindow.h"

namespace ruvava
{

MenuPopup::MenuPopup(PumpedWindow &window) : _window(window)
{
	set_window(&window);
}

int32_t MenuPopup::do_begin(const MenuRequest &request)
{
	const FontInterface *font_ptr = _window.use_sys_font();
	if (font_ptr == nullptr)
	{
		return -1;
	}
	set_menu_data(&request.use_menu_data());
	const int s = _window.get_scale();
	const Coord2D at = _window.get_last_mouse_pos() + request.get_pos();
	_view.open(request.use_menu_data(), _window.get_screen_origin() + Coord2D(at._x * s, at._y * s),
	           _window.get_screen_rect(), *font_ptr, s);
	do_show();
	return 0;
}

int32_t MenuPopup::do_stop()
{
	_view.close();
	do_show();
	return 0;
}

int32_t MenuPopup::conclude(MenuView::Outcome outcome)
{
	do_show();
	return (outcome == MenuView::Outcome_CHOSEN) ? choose(_view.get_chosen_id()) : 0;
}

int32_t MenuPopup::motion(const Coord2D &p)
{
	const uint32_t rev = _view.get_revision();
	const MenuView::Outcome outcome = _view.motion(p);
	if (rev == _view.get_revision())
	{
		return 0;
	}
	return conclude(outcome);
}

int32_t MenuPopup::press(const Coord2D &p)
{
	return conclude(_view.press(p));
}

int32_t MenuPopup::release(const Coord2D &p)
{
	return conclude(_view.release(p));
}

int32_t MenuPopup::key(MenuView::Key k)
{
	return conclude(_view.key(k));
}

}  // namespace ruvava
