// The editor as a host sees it, through the plug-in file: its rectangle
// before and after opening, at both scales, opened in a window of the test
// on a virtual X server, idled, closed, opened twice, its parent destroyed.
// GoogleTest before Xlib, whose macros clash with its names.
#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "support/VstTestHost.h"
#include "support/XvfbServer.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <cstdlib>
#include <thread>

using namespace testsupport;

namespace
{

XvfbServer &server()
{
	static XvfbServer xvfb;
	return xvfb;
}

class EditorHost : public VstHost
{
protected:
	static void SetUpTestSuite()
	{
		server();
		setenv("TARVELLE_SCALE", "1", 1);
		VstHost::SetUpTestSuite();
	}
	void SetUp() override
	{
		dpy = XOpenDisplay(nullptr);
		ASSERT_NE(dpy, nullptr) << "no X server: install xvfb, or set DISPLAY";
		parent = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 601, 563, 0, 0, 0);
		XMapWindow(dpy, parent);
		XSync(dpy, False);
		VstHost::SetUp();
	}
	void TearDown() override
	{
		VstHost::TearDown();
		if (parent != 0)
		{
			XDestroyWindow(dpy, parent);
		}
		XCloseDisplay(dpy);
	}
	ERect rect()
	{
		ERect *r = nullptr;
		EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &r), 1);
		return (r != nullptr) ? *r : ERect{-1, -1, -1, -1};
	}
	int nbr_children()
	{
		Window root;
		Window par;
		Window *kids = nullptr;
		unsigned n = 0;
		XQueryTree(dpy, parent, &root, &par, &kids, &n);
		XFree(kids);
		return int(n);
	}
	// A host idling at 25 Hz.
	void idle_for(double seconds)
	{
		const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
		while (std::chrono::steady_clock::now() < end)
		{
			dispatch(effEditIdle);
			std::this_thread::sleep_for(std::chrono::milliseconds(40));
		}
	}
	void *handle() const
	{
		return reinterpret_cast<void *>(uintptr_t(parent));
	}

	Display *dpy = nullptr;
	Window parent = 0;
};

}  // namespace

TEST_F(EditorHost, AnswersItsRectangleBeforeAndAfterOpeningAndShowsItsBackgrounds)
{
	EXPECT_NE(effect->flags & effFlagsHasEditor, 0);
	const ERect before = rect();
	EXPECT_EQ(before.top, 0);
	EXPECT_EQ(before.left, 0);
	EXPECT_EQ(before.right, 601);
	EXPECT_EQ(before.bottom, 563);
	dispatch(effEditIdle);  // before open: harmless
	const auto t0 = std::chrono::steady_clock::now();
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	const double open_s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
	EXPECT_LT(open_s, 0.5);
	EXPECT_EQ(nbr_children(), 1);
	idle_for(0.2);
	const ERect after = rect();
	EXPECT_EQ(after.right, 601);
	EXPECT_EQ(after.bottom, 563);
	// The middle band's background is painted: not the parent's black.
	XImage *img = XGetImage(dpy, parent, 300, 300, 1, 1, AllPlanes, ZPixmap);
	ASSERT_NE(img, nullptr);
	EXPECT_NE(XGetPixel(img, 0, 0) & 0xFFFFFF, 0u);
	XDestroyImage(img);
	dispatch(effEditKeyDown, 0, 'a');
	EXPECT_EQ(dispatch(effEditKeyDown, 0, 'a'), 0) << "the host keeps its shortcuts";
	dispatch(effEditClose);
	EXPECT_EQ(nbr_children(), 0);
}

TEST_F(EditorHost, SurvivesOpenTwiceHideWithoutCloseAndAParentDestroyedFirst)
{
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	EXPECT_EQ(nbr_children(), 1);
	idle_for(0.1);
	XUnmapWindow(dpy, parent);  // hidden by the host, no close
	XSync(dpy, False);
	idle_for(0.1);
	XMapWindow(dpy, parent);
	XDestroyWindow(dpy, parent);
	XSync(dpy, False);
	parent = 0;
	idle_for(0.2);
	dispatch(effEditClose);
	dispatch(effEditIdle);
}

TEST_F(EditorHost, ReportsTheScaledSizeAndTakesTheHostsScaleRequest)
{
	setenv("TARVELLE_SCALE", "2", 1);
	AEffect *scaled = entry(&host_callback);
	ASSERT_NE(scaled, nullptr);
	ERect *r = nullptr;
	ASSERT_EQ(scaled->dispatcher(scaled, effEditGetRect, 0, 0, &r, 0), 1);
	EXPECT_EQ(r->right, 1202);
	EXPECT_EQ(r->bottom, 1126);
	constexpr VstInt32 PRES = ('P' << 24) | ('r' << 16) | ('e' << 8) | 'S';
	constexpr VstIntPtr AECS = ('A' << 24) | ('e' << 16) | ('C' << 8) | 's';
	EXPECT_EQ(scaled->dispatcher(scaled, effVendorSpecific, PRES, AECS, nullptr, 1.0f), 1);
	ASSERT_EQ(scaled->dispatcher(scaled, effEditGetRect, 0, 0, &r, 0), 1);
	EXPECT_EQ(r->right, 601) << "the host asked for 1x";
	scaled->dispatcher(scaled, effClose, 0, 0, nullptr, 0);
	setenv("TARVELLE_SCALE", "1", 1);
}

namespace
{

void xdotool(const std::string &args)
{
	ASSERT_EQ(std::system(("xdotool " + args).c_str()), 0) << args;
}

}  // namespace

TEST_F(EditorHost, TheMasterFaderFollowsTheHostAndTheHostHearsItsDrags)
{
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	idle_for(0.1);
	// The host puts the master volume at the bottom: the handle follows.
	effect->setParameter(effect, 1, 0.0f);
	idle_for(0.1);
	host.automation.clear();
	// Dragged up by 20 px from the handle's new place (the drag is relative).
	xdotool("mousemove --sync 301 314 mousedown 1");
	idle_for(0.1);
	xdotool("mousemove_relative -- 0 -20");
	idle_for(0.1);
	xdotool("mouseup 1");
	idle_for(1.0);
	const float v = effect->getParameter(effect, 1);
	EXPECT_NEAR(v, 20.0 / 61, 0.03);
	ASSERT_FALSE(host.automation.empty()) << "the host hears the drag";
	EXPECT_EQ(host.automation.back().first, 1);
	EXPECT_NEAR(host.automation.back().second, v, 1e-6);
	dispatch(effEditClose);
}

TEST_F(EditorHost, EachVoicesGainKnobFollowsTheHostAndDragsItsOwnParameter)
{
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	idle_for(0.1);
	// Window positions of the four gain knobs; voice i's parameters start at 11 + 28 i.
	const int xs[4] = {241, 360, 242, 359};
	const int ys[4] = {211, 211, 414, 414};
	for (int i = 0; i < 4; ++i)
	{
		const int gain = 11 + 28 * i;
		effect->setParameter(effect, gain, 0.2f);
		idle_for(0.1);
		host.automation.clear();
		xdotool("mousemove --sync " + std::to_string(xs[i]) + " " + std::to_string(ys[i]) + " mousedown 1");
		idle_for(0.1);
		xdotool("mousemove_relative -- 0 -64");
		idle_for(0.1);
		xdotool("mouseup 1");
		// The knob glides on after the release until it reaches the target.
		idle_for(1.2);
		EXPECT_NEAR(effect->getParameter(effect, gain), 0.2 + 64.0 / 256, 0.02) << "voice " << i + 1;
		ASSERT_FALSE(host.automation.empty()) << "voice " << i + 1;
		for (const auto &a : host.automation)
		{
			EXPECT_EQ(a.first, gain) << "only its own parameter " << a.second;
		}
	}
	// At rest, the editor tells the host nothing more (values come back from
	// the host rounded to floats: that is no movement).
	host.automation.clear();
	idle_for(0.5);
	EXPECT_TRUE(host.automation.empty());
	dispatch(effEditClose);
}

TEST_F(EditorHost, ReplaysARealHostsCallOrderAndACloseMidDrag)
{
	const ERect before = rect();
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	idle_for(0.1);
	const ERect after = rect();
	EXPECT_EQ(after.right, before.right);
	// The host sizes its window to the rectangle, as many do after opening.
	XResizeWindow(dpy, parent, unsigned(after.right), unsigned(after.bottom));
	XSync(dpy, False);
	idle_for(0.1);

	const int gain = 11;
	host.edits.clear();
	xdotool("mousemove --sync 241 211 mousedown 1");
	idle_for(0.1);
	xdotool("mousemove_relative -- 0 -30");
	idle_for(0.1);
	ASSERT_FALSE(host.edits.empty());
	EXPECT_EQ(host.edits.front(), std::make_pair(VstInt32(audioMasterBeginEdit), VstInt32(gain)));
	dispatch(effEditClose);  // with the button still down
	EXPECT_EQ(host.edits.back(), std::make_pair(VstInt32(audioMasterEndEdit), VstInt32(gain)))
	   << "the gesture ends with the editor";
	// The pointer is back where the drag began, and free.
	Window root;
	Window child;
	int rx = 0;
	int ry = 0;
	int wx = 0;
	int wy = 0;
	unsigned mask = 0;
	XQueryPointer(dpy, parent, &root, &child, &rx, &ry, &wx, &wy, &mask);
	EXPECT_EQ(wx, 241);
	EXPECT_EQ(wy, 211);
	xdotool("mouseup 1");
	EXPECT_EQ(XGrabPointer(dpy, parent, False, 0, GrabModeAsync, GrabModeAsync, None, None, CurrentTime), GrabSuccess);
	XUngrabPointer(dpy, CurrentTime);

	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	idle_for(0.1);
	EXPECT_EQ(nbr_children(), 1);
	dispatch(effEditClose);
}

TEST_F(EditorHost, APresetMemoryButtonMorphsToTheMemoryAndTheHostHearsIt)
{
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	idle_for(0.1);
	std::vector<float> before;
	for (int i = 0; i < effect->numParams; ++i)
	{
		before.push_back(effect->getParameter(effect, i));
	}
	host.automation.clear();
	// Memory 5 of the default memories, recalled over the default second.
	xdotool("mousemove --sync 423 48 click 1");
	idle_for(0.4);
	const size_t early = host.automation.size();
	idle_for(1.2);
	int changed = 0;
	for (int i = 0; i < effect->numParams; ++i)
	{
		changed += (std::fabs(effect->getParameter(effect, i) - before[size_t(i)]) > 1e-4f) ? 1 : 0;
	}
	EXPECT_GE(changed, 5) << "another sound";
	EXPECT_GT(early, 0u) << "the morph is under way";
	EXPECT_GT(host.automation.size(), early) << "and goes on";
	dispatch(effEditClose);
}

TEST_F(EditorHost, ASilentVoiceHidesItsCellButItsGainKnob)
{
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	idle_for(0.1);
	const int gain = 11 + 28;  // voice 2
	const int pan = gain + 1;
	const auto drag_pan = [this]() {
		xdotool("mousemove --sync 360 258 mousedown 1");
		idle_for(0.1);
		xdotool("mousemove_relative -- 0 -40");
		idle_for(0.1);
		xdotool("mouseup 1");
		idle_for(1.0);
	};
	effect->setParameter(effect, gain, 0.0f);
	effect->setParameter(effect, pan, 0.5f);
	idle_for(0.1);
	drag_pan();
	EXPECT_FLOAT_EQ(effect->getParameter(effect, pan), 0.5f) << "hidden: the pan knob takes no drag";
	effect->setParameter(effect, gain, 0.6f);
	idle_for(0.1);
	drag_pan();
	EXPECT_NEAR(effect->getParameter(effect, pan), 0.5 + 40.0 / 256, 0.02) << "shown again";
	dispatch(effEditClose);
}

TEST_F(EditorHost, ASecondaryButtonDragLinksTheSameControlOfEveryVoice)
{
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	const int pans[4] = {12, 40, 68, 96};
	for (const int p : pans)
	{
		effect->setParameter(effect, p - 1, 0.6f);  // every voice heard
		effect->setParameter(effect, p, 0.2f);
	}
	idle_for(0.2);
	// Voice 1's pan knob, dragged up with the secondary button.
	xdotool("mousemove --sync 241 258 mousedown 3");
	idle_for(0.1);
	xdotool("mousemove_relative -- 0 -40");
	idle_for(0.1);
	xdotool("mouseup 3");
	idle_for(1.2);
	const float v1 = effect->getParameter(effect, pans[0]);
	EXPECT_NEAR(v1, 0.2 + 40.0 / 256, 0.02);
	// The followers go with the leader to the end of its glide.
	for (int k = 1; k < 4; ++k)
	{
		EXPECT_NEAR(effect->getParameter(effect, pans[k]), v1, 1e-4) << "voice " << k + 1 << " follows";
	}
	const float follower = effect->getParameter(effect, pans[1]);

	// With the primary button only voice 1 moves.
	xdotool("mousemove --sync 241 258 mousedown 1");
	idle_for(0.1);
	xdotool("mousemove_relative -- 0 -20");
	idle_for(0.1);
	xdotool("mouseup 1");
	idle_for(1.2);
	EXPECT_NEAR(effect->getParameter(effect, pans[0]), v1 + 20.0 / 256, 0.02);
	EXPECT_EQ(effect->getParameter(effect, pans[1]), follower) << "not linked";
	dispatch(effEditClose);
}

TEST_F(EditorHost, TheSetupMenuSavesASettingFileNamedInItsFileSelector)
{
	TempFolder dir("tarvelle-setup-x11");
	ASSERT_EQ(dispatch(effEditOpen, 0, 0, handle()), 1);
	idle_for(0.2);
	xdotool("mousemove --sync 578 552 click 1");
	idle_for(0.3);
	// "Save..." is the ninth row: rows of 18 px from the menu's top, at the pointer.
	xdotool("mousemove --sync 618 706 click 1");
	idle_for(0.4);
	FILE *pipe = popen("xdotool search --name '^Save Setting File$'", "r");
	ASSERT_NE(pipe, nullptr);
	char id[32] = {};
	const bool found = std::fgets(id, sizeof(id), pipe) != nullptr;
	pclose(pipe);
	ASSERT_TRUE(found) << "the file selector did not open";
	xdotool("mousemove --sync --window " + std::string(id, std::strcspn(id, "\n")) + " 60 60");
	const std::string stem = dir.get_path() + "/mine";
	xdotool("type --delay 5 '" + stem + "'");
	xdotool("key Return");
	idle_for(0.4);
	std::ifstream saved(stem + ".cfg.txt");
	ASSERT_TRUE(saved.good()) << "no setting file";
	std::string first;
	std::getline(saved, first);
	EXPECT_EQ(first.rfind("Tarvelle_config_section", 0), 0u) << first;
	dispatch(effEditClose);
}
