// The X11 side of an open editor window: its display connection, window,
// visual and graphics context, and how toolkit pixels reach a drawable.
// Only gui/x11 includes this header (it includes Xlib).
#pragma once

#include "gui/AlphaRGB.h"
#include "gui/Coord2D.h"

#include <X11/Xlib.h>

#include <vector>

namespace ruvava
{

class X11View
{
public:
	Display *_dpy = nullptr;
	Window _win = 0;
	Window _root = 0;
	int _screen = 0;
	Visual *_visual = nullptr;
	int _depth = 0;
	Colormap _colormap = 0;
	GC _gc = nullptr;
	// Set when the window vanished under us (its parent was destroyed).
	bool _gone = false;

	// Copies w x h pixels (rows of stride pixels) to (x, y) of the drawable,
	// converting them to the visual's pixel format.
	void put(Drawable d, const AlphaRGB *pix_ptr, int stride, int x, int y, int w, int h);
	// A window of ours on the root, for pop-ups: no decorations, not managed.
	Window create_popup(int x, int y, int w, int h, long event_mask) const;
	// The window's top-left pixel on screen.
	Coord2D get_screen_origin() const;

private:
	std::vector<char> _conv;
};

}  // namespace ruvava
