// The composition tile of the X11 window: showing it puts its pixels in
// the window.
#pragma once

#include "gui/RenderingBufferMem.h"

namespace ruvava
{

class X11View;

class RenderingBufferX11 : public RenderingBufferMem
{
public:
	explicit RenderingBufferX11(const Coord2D &size) : RenderingBufferMem(size) {}
	// Null while the window is closed: blits then show nothing.
	void set_view(X11View *view_ptr) noexcept
	{
		_view_ptr = view_ptr;
	}
	void blit(const Coord2D &pos, const Coord2D &size) override;

private:
	X11View *_view_ptr = nullptr;
};

}  // namespace ruvava
