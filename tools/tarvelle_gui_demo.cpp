// One of each toolkit control in a window of its own, with a pop-up menu
// and a text entry: tarvelle-gui-demo ART_DIR [--scale 1|2] [--screenshot PNG]
// Interactive until the window is closed; with --screenshot it opens the
// menu and the text entry, writes a picture of the screen around them and ends.
#include "gui/BackgroundItem.h"
#include "gui/CtrlGroupItem.h"
#include "gui/DefaultEventListener.h"
#include "gui/Diode.h"
#include "gui/Fader.h"
#include "gui/FlipFlop.h"
#include "gui/FontFactory.h"
#include "gui/Knob.h"
#include "gui/MenuDelimiter.h"
#include "gui/MenuItem.h"
#include "gui/MenuList.h"
#include "gui/MenuPopup.h"
#include "gui/MenuRequest.h"
#include "gui/MouseState.h"
#include "gui/PicData24.h"
#include "gui/PicDataFactory.h"
#include "gui/PushButton.h"
#include "gui/Spin.h"
#include "gui/Switch.h"
#include "gui/TextBox.h"
#include "gui/x11/WindowX11.h"
#include "sys/sys_fnc.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo/cairo.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace ruvava;

namespace
{

constexpr int32_t W = 520;
constexpr int32_t H = 270;

class Art
{
public:
	Art(const std::string &dir, int scale) : _dir(dir), _scale(scale) {}
	// A picture of the art folder at the window's scale; empty when missing.
	Picture pic(const std::string &name)
	{
		std::ifstream f(_dir + "/" + name + (_scale == 2 ? "@2x" : "") + ".apic", std::ios::binary);
		_bytes.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
		_datas.emplace_back(PicDataFactory::create_from(_bytes.back().data(), _bytes.back().size()));
		if (_datas.back() == nullptr)
		{
			std::fprintf(stderr, "tarvelle-gui-demo: no picture %s in %s\n", name.c_str(), _dir.c_str());
			_missing = true;
		}
		Picture p(_datas.back().get());
		p.set_hot(hot(name));
		p.set_scale(_scale);
		return p;
	}
	const FontInterface *font(const std::string &name)
	{
		std::ifstream f(_dir + "/" + name + (_scale == 2 ? "@2x" : "") + ".apic", std::ios::binary);
		_bytes.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
		_fonts.emplace_back(FontFactory::create_from(_bytes.back().data(), _bytes.back().size()));
		_missing |= (_fonts.back() == nullptr);
		return _fonts.back().get();
	}
	// A panel of its own: a soft vertical gradient.
	Picture panel()
	{
		const int32_t w = W * _scale;
		const int32_t h = H * _scale;
		_panel.resize(size_t(w) * size_t(h));
		for (int32_t y = 0; y < h; ++y)
		{
			const double t = double(y) / h;
			for (int32_t x = 0; x < w; ++x)
			{
				_panel[size_t(y * w + x)] = AlphaRGB{uint8_t(70 - 25 * t), uint8_t(62 - 22 * t), uint8_t(58 - 20 * t), 0};
			}
		}
		_datas.emplace_back(new PicData24(Coord2D(w, h), _panel.data()));
		return Picture(_datas.back().get());
	}
	bool missing() const
	{
		return _missing;
	}
	void set_hot(const std::string &name, int32_t x, int32_t y)
	{
		_hots.push_back({name, Coord2D(x, y)});
	}

private:
	Coord2D hot(const std::string &name) const
	{
		for (const auto &h : _hots)
		{
			if (h.first == name)
			{
				return Coord2D(h.second._x * _scale, h.second._y * _scale);
			}
		}
		return Coord2D();
	}

	std::string _dir;
	int _scale;
	std::deque<std::vector<char>> _bytes;
	std::deque<std::unique_ptr<PicDataInterface>> _datas;
	std::deque<std::unique_ptr<FontInterface>> _fonts;
	std::vector<AlphaRGB> _panel;
	std::vector<std::pair<std::string, Coord2D>> _hots;
	bool _missing = false;
};

// Hot points of the pictures used here, from the picture table.
void read_hots(Art &art, const std::string &table)
{
	std::ifstream f(table);
	std::string line;
	while (std::getline(f, line))
	{
		char name[64];
		int x;
		int y;
		if (line.empty() || line[0] == '#' || std::sscanf(line.c_str(), "%63s %d %d", name, &x, &y) != 3)
		{
			continue;
		}
		art.set_hot(name, x, y);
	}
}

// The push button opens the menu; the LED blinks.
class DemoListener : public DefaultEventListener
{
public:
	MenuList *_menu_ptr = nullptr;
	void send_custom_event(long id, void *) override
	{
		ControlInterface *c = use_ci();
		if (id == 0 && _menu_ptr != nullptr)
		{
			MenuRequest request(*_menu_ptr, Coord2D(0, 0));
			c->send_message(request);
		}
		else if (id == 2)
		{
			const double v = (std::fmod(sys::get_time_stamp(), 1.0) < 0.5) ? 1 : 0;
			if (v != c->get_val())
			{
				c->set_val_auto(v, 200);
				static_cast<Diode *>(c)->start_anim();
			}
		}
	}
};

class Say : public MenuListenerInterface
{
protected:
	int32_t do_act() override
	{
		std::printf("menu: %s\n", use_item()->get_label().c_str());
		std::fflush(stdout);
		if (use_item()->is_checkable())
		{
			use_item()->check(!use_item()->is_checked());
		}
		return 0;
	}
};

bool write_screen_png(Display *dpy, const Rect &r, const std::string &path)
{
	XImage *img = XGetImage(dpy, DefaultRootWindow(dpy), r._x0, r._y0, unsigned(r.width()), unsigned(r.height()),
	                        AllPlanes, ZPixmap);
	if (img == nullptr)
	{
		return false;
	}
	cairo_surface_t *s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, r.width(), r.height());
	cairo_surface_flush(s);
	unsigned char *d = cairo_image_surface_get_data(s);
	const int stride = cairo_image_surface_get_stride(s);
	for (int y = 0; y < r.height(); ++y)
	{
		for (int x = 0; x < r.width(); ++x)
		{
			const unsigned long p = XGetPixel(img, x, y);
			uint32_t v = uint32_t(p & 0xFFFFFF);
			std::memcpy(d + y * stride + x * 4, &v, 4);
		}
	}
	cairo_surface_mark_dirty(s);
	const bool ok = (cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS);
	cairo_surface_destroy(s);
	XDestroyImage(img);
	return ok;
}

}  // namespace

int main(int argc, char **argv)
{
	if (argc < 2)
	{
		std::fprintf(stderr, "usage: tarvelle-gui-demo ART_DIR [--scale 1|2] [--screenshot PNG]\n");
		return 2;
	}
	int scale = 1;
	std::string shot;
	for (int i = 2; i + 1 < argc; i += 2)
	{
		if (std::strcmp(argv[i], "--scale") == 0)
		{
			scale = (std::atoi(argv[i + 1]) == 2) ? 2 : 1;
		}
		else if (std::strcmp(argv[i], "--screenshot") == 0)
		{
			shot = argv[i + 1];
		}
	}
	Display *dpy = XOpenDisplay(nullptr);
	if (dpy == nullptr)
	{
		std::fprintf(stderr, "tarvelle-gui-demo: no X display (DISPLAY unset?)\n");
		return 1;
	}
	Art art(argv[1], scale);
	read_hots(art, TARVELLE_PICTURE_TABLE);

	// The parent: a plain top-level window, as a host's plug-in window is.
	const Window top = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, unsigned(W * scale), unsigned(H * scale),
	                                       0, 0, 0);
	XStoreName(dpy, top, "Tarvelle toolkit");
	Atom wm_delete = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
	XSetWMProtocols(dpy, top, &wm_delete, 1);
	XSelectInput(dpy, top, StructureNotifyMask);
	XMapWindow(dpy, top);
	XSync(dpy, False);

	WindowX11 win(Coord2D(W, H), scale);
	const FontInterface *font = art.font("font_03");
	win.set_sys_font(font);
	BackgroundItem bkg;
	bkg.set_picture(art.panel());
	win.set_background_root(&bkg);
	CtrlGroupItem group;
	group.set_area(Rect(0, 0, W, H));
	win.set_ctrl_group_root(&group);
	DemoListener listener;

	Knob knob;
	knob.set_box(Rect(-35, -34, 37, 42));
	knob.set_graduation_pic(art.pic("kn_29_p"));
	knob.set_nbr_button_frames(10);
	for (int i = 0; i < 10; ++i)
	{
		knob.set_button_pic(i, art.pic("kn_29_" + std::to_string(i + 1)));
	}
	knob.set_spot_pic(art.pic("kn_29_spn"));
	knob.set_selection_pic(art.pic("kn_29_s"));
	knob.set_arrow_pic(art.pic("kn_29_a"));
	knob.set_rotating_button_flag(true);
	knob.set_button_angle_per(-1.0 / 18);
	knob.set_height(256);
	knob.set_xy_rate(0.03125);
	knob.set_radius(30);
	knob.set_rel_coord(Coord2D(60, 80));
	knob.set_listener(&listener);
	knob.set_val_auto(0.35, 200);

	Fader fader;
	fader.set_box(Rect(-26, -25, 30, 89));
	fader.set_direction(Fader::Direction_VERTICAL);
	fader.set_amplitude(68);
	fader.set_xy_rate(0.03125);
	fader.set_side_click_speed(1);
	fader.set_graduation_pic(art.pic("fd_15_p"));
	fader.set_button_pic(art.pic("fd_15"));
	fader.set_selection_pic(art.pic("fd_15_s"));
	fader.set_rel_coord(Coord2D(150, 50));
	fader.set_listener(&listener);
	fader.set_val_auto(0.6, 200);

	Spin spin;
	spin.set_box(Rect(-6, -12, 7, 13));
	spin.set_pic(Spin::PicFlag_UP, art.pic("sp_06_up_0"));
	spin.set_pic(Spin::PicFlag_UP_PRESSED, art.pic("sp_06_up_1"));
	spin.set_pic(Spin::PicFlag_DOWN, art.pic("sp_06_dwn_0"));
	spin.set_pic(Spin::PicFlag_DOWN_PRESSED, art.pic("sp_06_dwn_1"));
	spin.set_pic(Spin::PicFlag_HANDLE, art.pic("sp_06_hnd_0"));
	spin.set_pic(Spin::PicFlag_HANDLE_PRESSED, art.pic("sp_06_hnd_1"));
	spin.set_rel_coord(Coord2D(220, 80));
	spin.set_listener(&listener);

	FlipFlop ff;
	ff.set_box(Rect(-12, -11, 12, 13));
	ff.set_nbr_frames(4);
	for (int i = 0; i < 4; ++i)
	{
		ff.set_frame_pic(i, art.pic("ff_24_" + std::to_string(i)));
	}
	ff.set_transition_time(0.15);
	ff.set_rel_coord(Coord2D(270, 80));
	ff.set_listener(&listener);

	Switch sw;
	sw.set_box(Rect(-23, -31, 24, 45));
	sw.set_nbr_buttons(3);
	sw.set_graduation_pic(art.pic("sw_08_p"));
	sw.set_button_pic(0, art.pic("sw_08_3"));
	sw.set_button_pic(1, art.pic("sw_08_2"));
	sw.set_button_pic(2, art.pic("sw_08_1"));
	sw.set_rel_coord(Coord2D(330, 70));
	sw.set_listener(&listener);

	PushButton pb;
	pb.set_box(Rect(-18, -8, 19, 9));
	pb.set_nbr_frames(5);
	for (int i = 0; i < 5; ++i)
	{
		pb.set_frame_pic(i, art.pic("pb_67_" + std::to_string(i)));
	}
	pb.set_transition_time(0.2);
	pb.set_rel_coord(Coord2D(410, 60));
	pb.set_listener(&listener);

	Diode led;
	led.set_box(Rect(-18, -18, 19, 19));
	led.set_nbr_frames(6);
	for (int i = 0; i < 6; ++i)
	{
		led.set_frame_pic(i, art.pic("ff_27_" + std::to_string(i)));
	}
	led.set_release_transition_time(0.5);
	led.set_time_refresh(0.05);
	led.set_rel_coord(Coord2D(470, 60));
	led.set_listener(&listener);

	TextBox text;
	text.set_box(Rect(0, 0, 90, 16));
	text.set_frame_size(Coord2D(90, 16));
	text.set_font(font);
	text.set_font_color(0xF2E6C8);
	text.set_justification(TextFrame::Justification_CENTER);
	text.set_text("120.0 BPM");
	text.set_editable(true);
	text.set_rel_coord(Coord2D(395, 110));
	text.set_listener(&listener);

	std::deque<TextBox> labels;
	const auto label = [&](const char *txt, int32_t x, int32_t y) {
		labels.emplace_back();
		TextBox &l = labels.back();
		const int32_t lw = int32_t(std::strlen(txt)) * 7 + 10;
		l.set_box(Rect(0, 0, lw, 16));
		l.set_frame_size(Coord2D(lw, 16));
		l.set_font(font);
		l.set_font_color(0xB8B0A0);
		l.set_justification(TextFrame::Justification_CENTER);
		l.set_text(txt);
		l.set_rel_coord(Coord2D(x - lw / 2, y));
	};
	label("Knob", 60, 150);
	label("Fader", 152, 150);
	label("Spin", 220, 150);
	label("Flip-flop", 270, 150);
	label("Switch", 330, 150);
	label("Menu", 410, 80);
	label("LED", 470, 85);
	label("Text box", 440, 150);
	label("Menu and text entry open as pop-ups, drawn by the toolkit", 260, 8);
	for (ControlInterface *c : std::initializer_list<ControlInterface *>{&knob, &fader, &spin, &ff, &sw, &pb, &led, &text})
	{
		group.push_back(*c);
	}
	for (TextBox &l : labels)
	{
		group.push_back(l);
	}

	MenuItem about("About...");
	MenuDelimiter line;
	MenuList shapes("LFO shape");
	MenuItem sine("Sine", true, true);
	MenuItem triangle("Triangle", true);
	MenuItem square("Square", true);
	MenuDelimiter midi("MIDI");
	MenuItem bind("Auto-bind", false, false, true);
	Say say;
	for (MenuItem *i : {&about, &sine, &triangle, &square, &bind})
	{
		i->set_listener(&say);
	}
	shapes.push_back(sine);
	shapes.push_back(triangle);
	shapes.push_back(square);
	MenuList menu;
	menu.push_back(about);
	menu.push_back(line);
	menu.push_back(shapes);
	menu.push_back(midi);
	menu.push_back(bind);
	listener._menu_ptr = &menu;

	if (art.missing() || font == nullptr || win.open(reinterpret_cast<void *>(uintptr_t(top))) != 0)
	{
		std::fprintf(stderr, "tarvelle-gui-demo: cannot show the demo (art in %s?)\n", argv[1]);
		return 1;
	}
	const auto pump_for = [&](double seconds) {
		const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
		bool closed = false;
		while (!closed && std::chrono::steady_clock::now() < end)
		{
			win.pump();
			while (XPending(dpy) > 0)
			{
				XEvent ev;
				XNextEvent(dpy, &ev);
				closed |= (ev.type == ClientMessage && Atom(ev.xclient.data.l[0]) == wm_delete);
			}
			std::this_thread::sleep_for(std::chrono::milliseconds(16));
		}
		return !closed;
	};
	if (shot.empty())
	{
		while (pump_for(1.0))
		{
		}
		win.close();
		return 0;
	}

	// The entry over the text box, the menu beside the push button, a submenu open.
	const int s = scale;
	win.mouse_down(Coord2D((395 + 45) * s, 118 * s), MouseState_PRIMARY, 0, sys::get_time_stamp());
	win.mouse_up(Coord2D((395 + 45) * s, 118 * s), 0);
	win.mouse_moved(Coord2D(410 * s, 60 * s), 0);
	pump_for(0.1);
	MenuRequest request(menu, Coord2D(-170, 115));
	pb.send_message(request);
	const MenuView &view = static_cast<MenuPopup *>(win.use_menu())->use_view();
	const Rect row = view.use_level(0)._rows[2] + Coord2D(view.use_level(0)._frame._x0, view.use_level(0)._frame._y0);
	static_cast<MenuPopup *>(win.use_menu())->motion(Coord2D((row._x0 + row._x1) / 2, (row._y0 + row._y1) / 2));
	pump_for(0.3);
	Rect area(0, 0, W * s, H * s);
	for (int i = 0; i < view.get_nbr_levels(); ++i)
	{
		const Rect &f = view.use_level(i)._frame;
		area = Rect(0, 0, std::max(area._x1, f._x1 + 8), std::max(area._y1, f._y1 + 8));
	}
	const bool ok = write_screen_png(dpy, area, shot);
	win.close();
	XCloseDisplay(dpy);
	if (!ok)
	{
		std::fprintf(stderr, "tarvelle-gui-demo: cannot write %s\n", shot.c_str());
		return 1;
	}
	std::printf("tarvelle-gui-demo: wrote %s\n", shot.c_str());
	return 0;
}
