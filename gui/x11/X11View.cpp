#include "gui/x11/X11View.h"

#include "gui/x11/X11ErrorTrap.h"

#include <X11/Xutil.h>

#include <cstring>

namespace ruvava
{

namespace
{

int shift_of(unsigned long mask)
{
	int s = 0;
	while (mask != 0 && (mask & 1) == 0)
	{
		mask >>= 1;
		++s;
	}
	return s;
}

int bits_of(unsigned long mask)
{
	int n = 0;
	for (; mask != 0; mask >>= 1)
	{
		n += int(mask & 1);
	}
	return n;
}

// One 8-bit channel placed under a visual's mask.
unsigned long place(uint8_t v, unsigned long mask)
{
	const int bits = bits_of(mask);
	return ((unsigned long)(v) >> (8 - (bits > 8 ? 8 : bits))) << shift_of(mask);
}

}  // namespace

void X11View::put(Drawable d, const AlphaRGB *pix_ptr, int stride, int x, int y, int w, int h)
{
	if (_gone || w <= 0 || h <= 0)
	{
		return;
	}
	XImage *img = XCreateImage(_dpy, _visual, unsigned(_depth), ZPixmap, 0, nullptr, unsigned(w), unsigned(h), 32, 0);
	if (img == nullptr)
	{
		return;
	}
	_conv.resize(size_t(img->bytes_per_line) * size_t(h));
	img->data = _conv.data();
	const bool native = (img->bits_per_pixel == 32 && img->red_mask == 0xFF0000 && img->green_mask == 0xFF00 &&
	                     img->blue_mask == 0xFF && img->byte_order == LSBFirst);
	for (int j = 0; j < h; ++j)
	{
		const AlphaRGB *row = pix_ptr + size_t(j) * size_t(stride);
		if (native)
		{
			// The toolkit's pixels are already 0xAARRGGBB little-endian; a visual
			// with alpha (depth 32) would show their alpha of 0 as transparent.
			char *dst = img->data + size_t(j) * size_t(img->bytes_per_line);
			std::memcpy(dst, row, size_t(w) * 4);
			if (_depth == 32)
			{
				for (int i = 0; i < w; ++i)
				{
					dst[i * 4 + 3] = char(0xFF);
				}
			}
			continue;
		}
		for (int i = 0; i < w; ++i)
		{
			const unsigned long rgb = place(row[i]._r, img->red_mask) | place(row[i]._g, img->green_mask) |
			                          place(row[i]._b, img->blue_mask);
			// Whatever bits the masks leave (alpha of a depth-32 visual) are opaque.
			const unsigned long rest = (_depth == 32) ? ~(img->red_mask | img->green_mask | img->blue_mask) : 0;
			XPutPixel(img, i, j, rgb | (rest & 0xFFFFFFFFul));
		}
	}
	XPutImage(_dpy, d, _gc, img, 0, 0, x, y, unsigned(w), unsigned(h));
	img->data = nullptr;
	XDestroyImage(img);
}

Window X11View::create_popup(int x, int y, int w, int h, long event_mask) const
{
	XSetWindowAttributes attr;
	attr.override_redirect = True;
	attr.event_mask = event_mask;
	attr.colormap = _colormap;
	attr.border_pixel = 0;
	attr.background_pixmap = None;
	return XCreateWindow(_dpy, _root, x, y, unsigned(w > 0 ? w : 1), unsigned(h > 0 ? h : 1), 0, _depth, InputOutput,
	                     _visual, CWOverrideRedirect | CWEventMask | CWColormap | CWBorderPixel | CWBackPixmap, &attr);
}

Coord2D X11View::get_screen_origin() const
{
	int x = 0;
	int y = 0;
	Window child;
	if (!_gone)
	{
		X11ErrorTrap trap(_dpy);
		if (!XTranslateCoordinates(_dpy, _win, _root, 0, 0, &x, &y, &child) || trap.get_nbr_errors() > 0)
		{
			x = 0;
			y = 0;
		}
	}
	return Coord2D(x, y);
}

}  // namespace ruvava
