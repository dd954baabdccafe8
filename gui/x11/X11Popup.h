// A pop-up window of ours on X11 (a menu level, the text entry): placed in
// screen pixels, drawn from toolkit pixels, and the grabs it holds.
#pragma once

#include "gui/Rect.h"
#include "gui/RenderingBufferMem.h"
#include "gui/x11/X11View.h"

namespace ruvava
{

class X11Popup
{
public:
	X11Popup() = default;
	~X11Popup();
	X11Popup(const X11Popup &) = delete;
	X11Popup &operator=(const X11Popup &) = delete;

	// Creates, moves or resizes the window to the frame and shows the pixels
	// (a buffer of the frame's size).
	void show(X11View &view, const Rect &frame, RenderingBufferMem &pixels);
	void hide();
	bool owns(Window w) const noexcept
	{
		return _win != 0 && w == _win;
	}
	Window get_window() const noexcept
	{
		return _win;
	}
	// Takes the pointer (and the keyboard when asked) for this window;
	// false when another client holds them: try again later.
	bool grab(bool keyboard);
	void ungrab();
	// Whether what grab(keyboard) takes is not all held yet.
	bool needs_grab(bool keyboard) const noexcept
	{
		return _win != 0 && !(_grabbed && (_keyboard || !keyboard));
	}

private:
	X11View *_view_ptr = nullptr;
	Window _win = 0;
	Rect _frame;
	bool _grabbed = false;
	bool _keyboard = false;
};

}  // namespace ruvava
