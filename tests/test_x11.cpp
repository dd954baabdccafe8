// The X11 window inside a parent window made here, on a virtual X server:
// what real hosts do to it (idle before open, open twice, the parent
// destroyed first, closing mid-drag), pointer input sent by xdotool, pop-ups,
// and a screenshot that matches the off-screen rendering pixel for pixel.
// GoogleTest before Xlib, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include "support/ArtFont.h"
#include "gui/BackgroundItem.h"
#include "gui/CtrlGroupItem.h"
#include "gui/Diode.h"
#include "gui/FontFactory.h"
#include "gui/Knob.h"
#include "gui/MenuItem.h"
#include "gui/MenuList.h"
#include "gui/MenuPopup.h"
#include "gui/MenuRequest.h"
#include "gui/PicData24.h"
#include "gui/PushButton.h"
#include "gui/TextBox.h"
#include "gui/TextLineEditorInterface.h"
#include "sys/FileSelector.h"
#include "sys/SimpleMessageBox.h"
#include "gui/WindowOffscreen.h"
#include "gui/x11/DialogHostX11.h"
#include "gui/x11/WindowX11.h"
#include "gui/x11/X11ErrorTrap.h"
#include "support/ToolkitBench.h"
#include "support/XvfbServer.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

using namespace ruvava;
using namespace testsupport;

namespace
{

XvfbServer &server()
{
	static XvfbServer xvfb;
	return xvfb;
}
const bool server_started = (server(), true);


// A top-level window standing for the host's editor window.
struct HostWindow
{
	HostWindow(int x = 50, int y = 40, unsigned w = 400, unsigned h = 300)
	{
		dpy = XOpenDisplay(nullptr);
		if (dpy == nullptr)
		{
			throw std::runtime_error("no X server: install xvfb, or set DISPLAY");
		}
		win = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), x, y, w, h, 0, 0, 0x202020);
		XMapWindow(dpy, win);
		XSync(dpy, False);
	}
	~HostWindow()
	{
		if (win != 0)
		{
			XDestroyWindow(dpy, win);
		}
		XCloseDisplay(dpy);
	}
	Coord2D pointer() const
	{
		Window root;
		Window child;
		int rx = 0;
		int ry = 0;
		int wx;
		int wy;
		unsigned mask;
		XQueryPointer(dpy, DefaultRootWindow(dpy), &root, &child, &rx, &ry, &wx, &wy, &mask);
		return Coord2D(rx, ry);
	}
	// Whether another client can take the pointer within the wait (the X
	// server may still be processing our last requests).
	bool pointer_free(double wait = 1.0) const
	{
		const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(wait);
		do
		{
			const bool ok = XGrabPointer(dpy, DefaultRootWindow(dpy), False, ButtonPressMask, GrabModeAsync,
			                             GrabModeAsync, 0, 0, CurrentTime) == GrabSuccess;
			XUngrabPointer(dpy, CurrentTime);
			XSync(dpy, False);
			if (ok)
			{
				return true;
			}
			std::this_thread::sleep_for(std::chrono::milliseconds(10));
		} while (std::chrono::steady_clock::now() < end);
		return false;
	}
	void *handle() const
	{
		return reinterpret_cast<void *>(uintptr_t(win));
	}
	void destroy()
	{
		XDestroyWindow(dpy, win);
		XSync(dpy, False);
		win = 0;
	}
	std::vector<Window> children() const
	{
		Window root;
		Window parent;
		Window *kids = nullptr;
		unsigned n = 0;
		XQueryTree(dpy, win, &root, &parent, &kids, &n);
		std::vector<Window> v(kids, kids + n);
		XFree(kids);
		return v;
	}

	Display *dpy;
	Window win;
};

void xdotool(const std::string &args)
{
	ASSERT_EQ(std::system(("xdotool " + args).c_str()), 0) << args;
}

// Pumps like a host idling at 100 Hz until the condition holds; false after the time-out.
bool pump_until(WindowX11 &w, const std::function<bool()> &cond, double timeout = 2.0)
{
	const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
	while (std::chrono::steady_clock::now() < end)
	{
		w.pump();
		if (cond())
		{
			return true;
		}
		std::this_thread::sleep_for(std::chrono::milliseconds(10));
	}
	return false;
}

// A picture of colour gradients, so that every pixel of a screenshot counts.
Picture gradient_picture(int32_t w, int32_t h)
{
	static std::deque<std::vector<AlphaRGB>> pixels;
	static std::deque<std::unique_ptr<PicData24>> datas;
	pixels.emplace_back(size_t(w) * size_t(h));
	for (int32_t y = 0; y < h; ++y)
	{
		for (int32_t x = 0; x < w; ++x)
		{
			pixels.back()[size_t(y * w + x)] = AlphaRGB{uint8_t(x * 7), uint8_t(y * 3), uint8_t(x + y), 0};
		}
	}
	datas.emplace_back(new PicData24(Coord2D(w, h), pixels.back().data()));
	return Picture(datas.back().get());
}

// Opens its menu when its push button fires; counts its LED's ticks.
struct SceneListener : DefaultEventListener
{
	MenuList *_menu_ptr = nullptr;
	int _ticks = 0;
	void send_custom_event(long id, void *) override
	{
		if (id == 0 && _menu_ptr != nullptr)
		{
			MenuRequest request(*_menu_ptr, Coord2D(0, 0));
			use_ci()->send_message(request);
		}
		_ticks += (id == 2) ? 1 : 0;
	}
};

// A background, a knob with a spot, a text box, an LED and a push button, in any window.
struct Scene
{
	Scene(WindowInterface &win, int scale)
	{
		bkg.set_picture(gradient_picture(300 * scale, 200 * scale));
		win.set_background_root(&bkg);
		group.set_area(Rect(0, 0, 300, 200));
		win.set_ctrl_group_root(&group);
		knob.set_box(Rect(-30, -30, 30, 30));
		knob.set_radius(20);
		Picture spot = solid_picture(6 * scale, 6 * scale, 0xF0F0F0, Coord2D(3 * scale, 3 * scale));
		spot.set_scale(scale);
		knob.set_spot_pic(spot);
		knob.set_rel_coord(Coord2D(80, 100));
		knob.set_listener(&listener);
		group.push_back(knob);
		text.set_box(Rect(0, 0, 80, 16));
		text.set_frame_size(Coord2D(80, 16));
		text.set_font(&sys_font(scale));
		text.set_font_color(0xFFFF00);
		text.set_text("Tarvelle 42");
		text.set_editable(true);
		text.set_rel_coord(Coord2D(180, 20));
		group.push_back(text);
		led.set_box(Rect(0, 0, 10, 10));
		led.set_time_refresh(0.02);
		led.set_listener(&events);
		led.set_rel_coord(Coord2D(280, 180));
		group.push_back(led);
		button.set_box(Rect(0, 0, 30, 20));
		button.set_listener(&events);
		button.set_rel_coord(Coord2D(200, 150));
		group.push_back(button);
		win.set_sys_font(&sys_font(scale));
	}
	BackgroundItem bkg;
	CtrlGroupItem group;
	Knob knob;
	TextBox text;
	Diode led;
	PushButton button;
	RecordingListener listener;
	SceneListener events;
};

// The pixels of a window as xwd saves them, as 0xRRGGBB.
std::vector<long> xwd_pixels(unsigned long win, int32_t &w, int32_t &h)
{
	const std::string path = "/tmp/tarvelle-x11-" + std::to_string(getpid()) + ".xwd";
	if (std::system(("xwd -silent -id " + std::to_string(win) + " -out " + path).c_str()) != 0)
	{
		return {};
	}
	std::ifstream f(path, std::ios::binary);
	std::vector<unsigned char> b((std::istreambuf_iterator<char>(f)), {});
	std::remove(path.c_str());
	const auto card = [&b](size_t i) {
		return uint32_t(b[i * 4]) << 24 | uint32_t(b[i * 4 + 1]) << 16 | uint32_t(b[i * 4 + 2]) << 8 | b[i * 4 + 3];
	};
	if (b.size() < 100)
	{
		return {};
	}
	const uint32_t header = card(0);
	const uint32_t byte_order = card(7);
	const uint32_t bpp = card(11);
	const uint32_t bpl = card(12);
	const uint32_t ncolors = card(19);
	w = int32_t(card(4));
	h = int32_t(card(5));
	const size_t base = header + ncolors * 12;
	std::vector<long> px;
	if (bpp != 32 || b.size() < base + size_t(bpl) * size_t(h))
	{
		return {};
	}
	for (int32_t y = 0; y < h; ++y)
	{
		for (int32_t x = 0; x < w; ++x)
		{
			const unsigned char *p = &b[base + size_t(y) * bpl + size_t(x) * 4];
			const uint32_t v = (byte_order == 0) ? (p[0] | p[1] << 8 | p[2] << 16) : (p[3] | p[2] << 8 | p[1] << 16);
			px.push_back(long(v & 0xFFFFFF));
		}
	}
	return px;
}

}  // namespace

TEST(WindowX11, IdleBeforeOpenAndABadParentAreHarmless)
{
	WindowX11 w(Coord2D(300, 200));
	w.pump();
	EXPECT_EQ(w.open(nullptr), -1);
	EXPECT_EQ(w.open(reinterpret_cast<void *>(uintptr_t(0x7FFFFF0))), -1) << "no such window";
	w.pump();
	HostWindow host;
	EXPECT_EQ(w.open(host.handle()), 0);
	EXPECT_EQ(host.children(), std::vector<Window>{Window(w.get_x_window())});
	w.close();
	EXPECT_TRUE(host.children().empty());
}

TEST(WindowX11, ScreenshotEqualsTheOffscreenRenderingAtBothScales)
{
	for (const int scale : {1, 2})
	{
		HostWindow host(50, 40, unsigned(300 * scale), unsigned(200 * scale));
		WindowX11 xw(Coord2D(300, 200), scale);
		Scene xs(xw, scale);
		WindowOffscreen mw(Coord2D(300, 200), scale);
		Scene ms(mw, scale);
		for (Scene *s : {&xs, &ms})
		{
			s->knob.set_val_auto(0.3, 200);
		}
		ASSERT_EQ(xw.open(host.handle()), 0);
		ASSERT_EQ(mw.open(nullptr), 0);
		pump_until(xw, [&] { return !xw.has_invalid_zone(); });
		mw.serve(0);
		int32_t w = 0;
		int32_t h = 0;
		const std::vector<long> shot = xwd_pixels(xw.get_x_window(), w, h);
		ASSERT_EQ(w, 300 * scale);
		ASSERT_EQ(h, 200 * scale);
		size_t diffs = 0;
		for (int32_t y = 0; y < h; ++y)
		{
			for (int32_t x = 0; x < w; ++x)
			{
				diffs += (shot[size_t(y * w + x)] != mw.use_screen().at(x, y).to_long()) ? 1 : 0;
			}
		}
		EXPECT_EQ(diffs, 0u) << "scale " << scale;
	}
}

TEST(WindowX11, XdotoolDragsAKnobAndThePointerComesBack)
{
	HostWindow host(50, 40);
	WindowX11 w(Coord2D(300, 200));
	Scene s(w, 1);
	ASSERT_EQ(w.open(host.handle()), 0);
	pump_until(w, [&] { return !w.has_invalid_zone(); });
	// The knob's centre on screen: host origin + knob position.
	xdotool("mousemove --sync 130 140 mousedown 1");
	ASSERT_TRUE(pump_until(w, [&] { return w.get_mouse_capturer() == &s.knob; }));
	for (int i = 0; i < 5; ++i)
	{
		xdotool("mousemove_relative -- 0 -10");
		pump_until(w, [] { return false; }, 0.05);
		EXPECT_EQ(host.pointer(), Coord2D(130, 140)) << "held at the origin during the drag";
	}
	EXPECT_TRUE(w.is_cursor_hidden());
	xdotool("mouseup 1");
	ASSERT_TRUE(pump_until(w, [&] {
		return s.knob.use_behaviour().get_mode() == PotBehaviour::Mode_IDLE && w.get_mouse_capturer() == nullptr;
	}));
	EXPECT_NEAR(s.knob.get_val(), 50 / 200.0, 0.03) << "50 px up of a 200 px knob";
	EXPECT_FALSE(s.listener._values.empty());

	EXPECT_EQ(host.pointer(), Coord2D(130, 140)) << "back where the drag started";
}

TEST(WindowX11, SurvivesOpenTwiceAParentDestroyedFirstAndCloseMidDrag)
{
	int (*before)(Display *, XErrorEvent *) = XSetErrorHandler(nullptr);
	XSetErrorHandler(before);
	HostWindow host;
	WindowX11 w(Coord2D(300, 200));
	Scene s(w, 1);
	ASSERT_EQ(w.open(host.handle()), 0);
	const unsigned long first = w.get_x_window();
	EXPECT_EQ(w.open(host.handle()), 0);
	EXPECT_EQ(w.get_x_window(), first) << "the same parent keeps its window";
	HostWindow other(500, 40);
	ASSERT_EQ(w.open(other.handle()), 0);
	EXPECT_TRUE(host.children().empty()) << "moved to the new parent, not reparented";
	EXPECT_EQ(other.children().size(), 1u);
	const int ticks = s.events._ticks;
	EXPECT_TRUE(pump_until(w, [&] { return s.events._ticks > ticks + 3; })) << "the LED's timer runs on";

	// Closing in the middle of a drag gives the pointer back at the drag's origin.
	xdotool("mousemove --sync 580 140 mousedown 1");
	ASSERT_TRUE(pump_until(w, [&] { return w.is_cursor_hidden(); }));
	xdotool("mousemove_relative -- 0 -30");
	pump_until(w, [] { return false; }, 0.05);
	w.close();
	xdotool("mouseup 1");
	EXPECT_FALSE(w.is_cursor_hidden());
	EXPECT_EQ(other.pointer(), Coord2D(580, 140));
	EXPECT_TRUE(other.children().empty());

	ASSERT_EQ(w.open(other.handle()), 0);
	pump_until(w, [&] { return !w.has_invalid_zone(); });
	other.destroy();
	ASSERT_TRUE(pump_until(w, [&] { return w.is_gone(); }));
	s.knob.set_val_auto(0.9, 200);
	w.pump();
	w.close();
	int (*after)(Display *, XErrorEvent *) = XSetErrorHandler(nullptr);
	XSetErrorHandler(after);
	EXPECT_EQ(after, before) << "the host's error handler is back";
}

TEST(WindowX11, MenusAndTextEntryOpenAsPopUpsAndAnswerThePointerAndKeys)
{
	HostWindow host(50, 40);
	WindowX11 w(Coord2D(300, 200));
	Scene s(w, 1);
	ASSERT_EQ(w.open(host.handle()), 0);
	pump_until(w, [&] { return !w.has_invalid_zone(); });

	// Typing into the text box: the entry takes the keyboard, then gives it back.
	xdotool("mousemove --sync 250 68 click 1");
	ASSERT_TRUE(pump_until(w, [&] { return w.use_text_line_editor()->is_running(); }));
	xdotool("type --delay 20 120.5");
	xdotool("key Return");
	ASSERT_TRUE(pump_until(w, [&] { return !w.use_text_line_editor()->is_running(); }));
	EXPECT_EQ(s.text.get_text(), "120.5");
	EXPECT_EQ(XGrabKeyboard(host.dpy, host.win, False, GrabModeAsync, GrabModeAsync, CurrentTime), GrabSuccess)
	    << "nobody holds the keyboard";
	XUngrabKeyboard(host.dpy, CurrentTime);

	// A menu opened from a click chooses on the release of a later click.
	struct Act : MenuListenerInterface
	{
		int n = 0;
		int32_t do_act() override
		{
			return ++n, 0;
		}
	} act;
	MenuItem first("First");
	MenuItem second("Second");
	MenuList menu;
	menu.push_back(first);
	menu.push_back(second);
	s.events._menu_ptr = &menu;
	second.set_listener(&act);
	first.set_listener(&act);
	xdotool("mousemove --sync 260 200 click 1");
	const MenuView &view = static_cast<MenuPopup *>(w.use_menu())->use_view();
	ASSERT_TRUE(pump_until(w, [&] { return view.is_open(); }));
	pump_until(w, [] { return false; }, 0.1);
	EXPECT_TRUE(view.is_open()) << "the release of the opening click chooses nothing";
	EXPECT_EQ(act.n, 0);
	EXPECT_EQ(view.use_level(0)._frame._x0, 260) << "at the pointer";
	const Rect row = view.use_level(0)._rows[1] + Coord2D(view.use_level(0)._frame._x0, view.use_level(0)._frame._y0);
	xdotool("mousemove --sync " + std::to_string((row._x0 + row._x1) / 2) + " " + std::to_string((row._y0 + row._y1) / 2) +
	        " click 1");
	ASSERT_TRUE(pump_until(w, [&] { return act.n == 1; }));
	EXPECT_FALSE(view.is_open());
	EXPECT_TRUE(host.pointer_free()) << "the menu gave the pointer back";

	// The host destroys its window while a menu is open: the grab goes too.
	xdotool("mousemove --sync 260 200 click 1");
	ASSERT_TRUE(pump_until(w, [&] { return view.is_open(); }));
	EXPECT_FALSE(host.pointer_free(0));
	host.destroy();
	ASSERT_TRUE(pump_until(w, [&] { return w.is_gone(); }));
	EXPECT_FALSE(view.is_open());
	EXPECT_TRUE(host.pointer_free());
}

TEST(X11ErrorTrap, CountsItsOwnConnectionsErrorsAndPassesOthersOn)
{
	static int host_errors = 0;
	const auto host_handler = [](Display *, XErrorEvent *) {
		++host_errors;
		return 0;
	};
	int (*before)(Display *, XErrorEvent *) = XSetErrorHandler(host_handler);
	HostWindow host;
	Display *ours = XOpenDisplay(nullptr);
	ASSERT_NE(ours, nullptr);
	{
		X11ErrorTrap trap(ours);
		XMapWindow(ours, 0x7FFFFF1);
		trap.sync();
		EXPECT_EQ(trap.get_nbr_errors(), 1);
		EXPECT_EQ(trap.get_bad_window(), XID(0x7FFFFF1));
		XMapWindow(host.dpy, 0x7FFFFF2);
		XSync(host.dpy, False);
		EXPECT_EQ(host_errors, 1) << "the host's error went to the host's handler";
		EXPECT_EQ(trap.get_nbr_errors(), 1);
	}
	EXPECT_EQ(XSetErrorHandler(before), host_handler) << "the host's handler is back";
	XCloseDisplay(ours);
}

TEST(WindowX11, DialogsOpenAboveTheHostsWindowAnswerKeysAndNeverHoldTheIdleCall)
{
	HostWindow host(50, 40);
	WindowX11 w(Coord2D(300, 200));
	Scene s(w, 1);
	ASSERT_EQ(w.open(host.handle()), 0);
	pump_until(w, [&] { return !w.has_invalid_zone(); });
	auto &dialogs = static_cast<DialogHostX11 &>(w.use_dialog_host());
	int answer = -1;
	ASSERT_EQ(sys::SimpleMessageBox::ask(dialogs, "Conflict", "bank.pbk\nalready exists. Overwrite ?", 1, 1,
	                                     [&answer](int a) { answer = a; }),
	          0);
	const Window box = Window(dialogs.get_x_window(dialogs.use_dialog(0)));
	ASSERT_NE(box, Window(0));
	Window transient_for = 0;
	XSync(host.dpy, False);
	ASSERT_TRUE(XGetTransientForHint(host.dpy, box, &transient_for));
	EXPECT_EQ(transient_for, host.win) << "kept above the host's window";

	// The host keeps idling while the question waits.
	double worst = 0;
	for (int i = 0; i < 20; ++i)
	{
		const auto t0 = std::chrono::steady_clock::now();
		w.pump();
		worst = std::max(worst, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
		std::this_thread::sleep_for(std::chrono::milliseconds(5));
	}
	EXPECT_LT(worst, 0.005);
	EXPECT_EQ(answer, -1);
	xdotool("key --window " + std::to_string(box) + " Tab Return");
	ASSERT_TRUE(pump_until(w, [&] { return answer >= 0; }));
	EXPECT_EQ(answer, 0) << "Tab moved from Cancel to Ok";

	// A file selector closed with the editor answers "cancelled".
	sys::FileSelector sel;
	int code = -1;
	ASSERT_EQ(sel.select_file_for_opening(dialogs, [&code](int c) { code = c; }), 0);
	w.pump();
	w.close();
	EXPECT_EQ(code, 1);
}
