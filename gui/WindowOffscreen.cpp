#include "gui/WindowOffscreen.h"

#include "gui/Invalidate.h"
#include "gui/MenuPopup.h"
#include "gui/TextLineEditorPopup.h"

#include <algorithm>

namespace ruvava
{

// The composition tile; showing it copies it into the window's memory.
class WindowOffscreen::_Buffer : public RenderingBufferMem
{
public:
	explicit _Buffer(RenderingBufferMem &screen) : RenderingBufferMem(Coord2D(128, 128)), _screen(screen) {}
	void blit(const Coord2D &pos, const Coord2D &size) override
	{
		RenderingBufferMem::blit(pos, size);
		const Coord2D &ss = _screen.get_size();
		const int32_t w = std::min({size._x, get_size()._x, ss._x - pos._x});
		for (int32_t y = 0; y < size._y && y < get_size()._y && pos._y + y < ss._y; ++y)
		{
			if (w > 0 && pos._x >= 0 && pos._y + y >= 0)
			{
				std::copy(&at(0, y), &at(0, y) + w, &_screen.at(pos._x, pos._y + y));
			}
		}
	}

private:
	RenderingBufferMem &_screen;
};

WindowOffscreen::WindowOffscreen(const Coord2D &size, int scale)
: PumpedWindow(size), _screen(Coord2D(size._x * ((scale == 2) ? 2 : 1), size._y * ((scale == 2) ? 2 : 1)))
{
	set_scale(scale);
	set_rd_buf(new _Buffer(_screen));
	set_menu(new MenuPopup(*this));
	set_text_line_editor(new TextLineEditorPopup(*this));
}

WindowOffscreen::~WindowOffscreen()
{
	forget_trees();
	delete_owned();
}

MenuPopup &WindowOffscreen::use_menu_popup() const
{
	return static_cast<MenuPopup &>(*use_menu());
}

TextLineEditorPopup &WindowOffscreen::use_text_popup() const
{
	return static_cast<TextLineEditorPopup &>(*use_text_line_editor());
}

int WindowOffscreen::do_open(void *)
{
	_open = true;
	// Everything is shown at first.
	Invalidate all(Rect(Coord2D(), get_size()));
	send_message(all);
	return 0;
}

void WindowOffscreen::do_close()
{
	use_dialog_host().cancel_all();
	end_capture();
	use_menu()->stop();
	if (use_text_line_editor()->is_running())
	{
		use_text_line_editor()->stop();
	}
	reset_pump();
	_open = false;
}

}  // namespace ruvava
