// tarvelle-x11-shot OUT.png [WINDOW-ID]: a PNG of a window of the X server
// in DISPLAY, with whatever its children show (the whole screen by default).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo/cairo.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv)
{
	if (argc < 2)
	{
		std::fprintf(stderr, "usage: tarvelle-x11-shot OUT.png [WINDOW-ID]\n");
		return 2;
	}
	Display *dpy = XOpenDisplay(nullptr);
	if (dpy == nullptr)
	{
		std::fprintf(stderr, "tarvelle-x11-shot: no X server\n");
		return 1;
	}
	const Window win = (argc > 2) ? Window(std::strtoul(argv[2], nullptr, 0)) : DefaultRootWindow(dpy);
	XWindowAttributes attr;
	XImage *img = nullptr;
	if (XGetWindowAttributes(dpy, win, &attr) != 0)
	{
		img = XGetImage(dpy, win, 0, 0, unsigned(attr.width), unsigned(attr.height), AllPlanes, ZPixmap);
	}
	if (img == nullptr)
	{
		std::fprintf(stderr, "tarvelle-x11-shot: window %s cannot be read\n", (argc > 2) ? argv[2] : "root");
		XCloseDisplay(dpy);
		return 1;
	}
	cairo_surface_t *sf = cairo_image_surface_create(CAIRO_FORMAT_RGB24, attr.width, attr.height);
	unsigned char *data = cairo_image_surface_get_data(sf);
	const int stride = cairo_image_surface_get_stride(sf);
	for (int y = 0; y < attr.height; ++y)
	{
		for (int x = 0; x < attr.width; ++x)
		{
			const uint32_t p = uint32_t(XGetPixel(img, x, y)) & 0xFFFFFFu;
			std::memcpy(data + y * stride + x * 4, &p, 4);
		}
	}
	cairo_surface_mark_dirty(sf);
	const bool ok = cairo_surface_write_to_png(sf, argv[1]) == CAIRO_STATUS_SUCCESS;
	cairo_surface_destroy(sf);
	XDestroyImage(img);
	XCloseDisplay(dpy);
	if (!ok)
	{
		std::fprintf(stderr, "tarvelle-x11-shot: cannot write %s\n", argv[1]);
	}
	return ok ? 0 : 1;
}
