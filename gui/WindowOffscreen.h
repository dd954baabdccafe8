// A window that composes into memory and takes synthetic input: the
// toolkit and the editor run in tests without a display. Its menu and text
// line editor are the plain pop-ups, driven through use_menu_popup and
// use_text_popup.
#pragma once

#include "gui/PumpedWindow.h"
#include "gui/RenderingBufferMem.h"

namespace ruvava
{

class MenuPopup;
class TextLineEditorPopup;

class WindowOffscreen : public PumpedWindow
{
public:
	// The size of the pretend screen around the window, device pixels.
	static constexpr int32_t SCREEN_W = 1920;
	static constexpr int32_t SCREEN_H = 1080;

	explicit WindowOffscreen(const Coord2D &size, int scale = 1);
	~WindowOffscreen() override;

	// What the window shows, device pixels.
	const RenderingBufferMem &use_screen() const noexcept
	{
		return _screen;
	}
	// Where the pointer was last put by the window (device pixels), and how
	// often it was.
	const Coord2D &get_pointer_pos() const noexcept
	{
		return _pointer;
	}
	int get_nbr_pointer_moves() const noexcept
	{
		return _nbr_pointer_moves;
	}
	MenuPopup &use_menu_popup() const;
	TextLineEditorPopup &use_text_popup() const;
	// Where the window lies on the pretend screen.
	void set_screen_origin(const Coord2D &org) noexcept
	{
		_origin = org;
	}

	Coord2D get_screen_origin() const override
	{
		return _origin;
	}
	Rect get_screen_rect() const override
	{
		return Rect(0, 0, SCREEN_W, SCREEN_H);
	}

protected:
	int do_open(void *parent_ptr) override;
	void do_close() override;
	bool is_view_open() const override
	{
		return _open;
	}
	void do_show_cursor(bool) override {}
	bool do_move_pointer(const Coord2D &dev) override
	{
		_pointer = dev;
		++_nbr_pointer_moves;
		return false;
	}

private:
	class _Buffer;

	RenderingBufferMem _screen;
	bool _open = false;
	Coord2D _pointer;
	int _nbr_pointer_moves = 0;
	Coord2D _origin;
};

}  // namespace ruvava
