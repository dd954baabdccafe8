// The window, its messages, the two trees and the redraw, in memory:
// routing and redraw areas against rectangles worked out here.
#include "gui/BackgroundItem.h"
#include "gui/BackgroundSplit.h"
#include "gui/ClearTimer.h"
#include "gui/CtrlGroupItem.h"
#include "gui/CtrlGroupSplit.h"
#include "gui/Invalidate.h"
#include "gui/MouseCapture.h"
#include "gui/MouseRelease.h"
#include "gui/SetTimer.h"
#include "gui/WindowOffscreen.h"
#include "support/ToolkitBench.h"

#include <gtest/gtest.h>

using namespace ruvava;
using namespace testsupport;

namespace
{

// A buffer that only records the tiles shown.
class TileLog : public RenderingBufferMem
{
public:
	explicit TileLog(std::vector<Rect> &tiles) : RenderingBufferMem(Coord2D(128, 128)), _tiles(tiles) {}
	void blit(const Coord2D &pos, const Coord2D &size) override
	{
		_tiles.emplace_back(pos, pos + size);
	}
	std::vector<Rect> &_tiles;
};

// Background of two slices side by side, a control group over the right one.
struct Scene
{
	explicit Scene(int scale = 1) : win(Coord2D(300, 100), scale)
	{
		bkg_root.set_area(Rect(0, 0, 300, 100));
		left.set_picture(solid_picture(150 * scale, 100 * scale, 0x0000FF));
		right.set_picture(solid_picture(150 * scale, 100 * scale, 0x00FF00));
		bkg_root.push_back(left, 150);
		bkg_root.push_back(right, 150);
		ctrl_root.set_area(Rect(0, 0, 300, 100));
		ctrl_root.push_back(empty, 150);
		ctrl_root.push_back(group, 150);
		win.set_background_root(&bkg_root);
		win.set_ctrl_group_root(&ctrl_root);
	}
	AlphaRGB pixel(int32_t x, int32_t y) const
	{
		return win.use_screen().at(x, y);
	}

	FakeClock clock;
	WindowOffscreen win;
	BackgroundSplit bkg_root{1, SPTreeSplit::Type_HORIZONTAL};
	BackgroundItem left;
	BackgroundItem right;
	CtrlGroupSplit ctrl_root{1, SPTreeSplit::Type_HORIZONTAL};
	CtrlGroupItem empty;
	CtrlGroupItem group;
	std::vector<std::string> log;
};

}  // namespace

TEST(SPTree, SplitFindsSlicesAlongItsAxisAndLaysChildrenOut)
{
	CtrlGroupSplit split(1, SPTreeSplit::Type_HORIZONTAL);
	split.set_area(Rect(10, 0, 160, 40));
	CtrlGroupItem a;
	CtrlGroupItem b;
	split.push_back(a, 100);
	split.push_back(b, 50);
	split.refresh_coord(Coord2D(10, 0));
	EXPECT_EQ(split.get_subdiv_index_by_coord(Coord2D(109, 5)), 0);
	EXPECT_EQ(split.get_subdiv_index_by_coord(Coord2D(110, 5)), 1);
	EXPECT_EQ(split.get_subdiv_index_by_coord(Coord2D(500, 5)), 1);
	EXPECT_EQ(split.get_subdiv_index_by_coord(Coord2D(-50, 5)), 0);
	EXPECT_EQ(b.get_coord2D(), Coord2D(110, 0));
	EXPECT_EQ(b.get_area(), Rect(110, 0, 160, 40));

	// A vertical split inside the right slice stacks along y from its origin.
	CtrlGroupSplit column(1, SPTreeSplit::Type_VERTICAL);
	CtrlGroupItem top;
	CtrlGroupItem bottom;
	column.push_back(top, 15);
	column.push_back(bottom, 25);
	split.change(column, 50, 1);
	EXPECT_EQ(bottom.get_coord2D(), Coord2D(110, 15));
	EXPECT_EQ(bottom.get_area(), Rect(110, 15, 160, 40));
	EXPECT_EQ(split.get_total_offset_to(2), 150);
}

TEST(SPTree, ClicksReachTheFirstControlUnderThePointAndAreasReachAllTheyTouch)
{
	Scene s;
	ProbeControl first("first", Rect(0, 0, 40, 40), s.log, 0xFF0000);
	ProbeControl second("second", Rect(0, 0, 40, 40), s.log, 0xFFFF00);
	first.set_rel_coord(Coord2D(10, 10));
	second.set_rel_coord(Coord2D(30, 10));
	s.group.push_back(first);
	s.group.push_back(second);
	EXPECT_EQ(first.get_coord(), Coord2D(160, 10));
	ASSERT_EQ(s.win.open(nullptr), 0);
	s.win.mouse_down(Coord2D(195, 20), MouseState_PRIMARY, 0, 1.0);
	s.win.mouse_down(Coord2D(205, 20), MouseState_PRIMARY, 0, 9.0);
	EXPECT_EQ(s.log, (std::vector<std::string>{"first:click:1:0", "second:click:1:0"}));

	s.log.clear();
	s.win.split_redraw(Rect(200, 10, 210, 15));
	EXPECT_EQ(s.log, (std::vector<std::string>{"second:redraw"})) << "the area touches only the second";
	s.log.clear();
	s.win.split_redraw(Rect(0, 0, 300, 100));
	EXPECT_EQ(s.log, (std::vector<std::string>{"first:redraw", "second:redraw"}));
}

TEST(SPTree, ShowStateTravelsDownAndMessagesUpReachTheWindow)
{
	Scene s;
	ProbeControl before("before", Rect(0, 0, 10, 10), s.log);
	s.group.push_back(before);
	EXPECT_FALSE(before.is_shown());
	ASSERT_EQ(s.win.open(nullptr), 0);
	EXPECT_TRUE(before.is_shown());
	ProbeControl after("after", Rect(0, 0, 10, 10), s.log);
	s.group.push_back(after);
	EXPECT_TRUE(after.is_shown()) << "pushed into a shown item";

	// An invalidation from a control climbs to the window, which redraws
	// exactly that zone at its next pump.
	s.win.serve(s.clock.now());
	s.log.clear();
	after.set_rel_coord(Coord2D(100, 50));
	after.refresh_display();
	s.win.serve(s.clock.now());
	EXPECT_EQ(s.log, (std::vector<std::string>{"after:redraw"}));

	s.win.close();
	EXPECT_FALSE(after.is_shown());
	Invalidate inv(Rect(0, 0, 10, 10));
	EXPECT_EQ(s.group.send_message(inv), -1) << "closed: the window takes nothing";
}

TEST(WindowRedraw, TilesTheZoneAndComposesBackgroundsUnderControls)
{
	std::vector<Rect> tiles;
	WindowOffscreen win(Coord2D(300, 100));
	win.set_rd_buf(new TileLog(tiles));
	ASSERT_EQ(win.open(nullptr), 0);
	win.split_redraw(Rect(0, 0, 300, 100));
	EXPECT_EQ(tiles, (std::vector<Rect>{Rect(0, 0, 128, 100), Rect(128, 0, 256, 100), Rect(256, 0, 300, 100)}));

	// Every pixel of the window comes from the background, with the control over it.
	Scene s;
	ProbeControl red("red", Rect(0, 0, 20, 20), s.log, 0xFF0000);
	red.set_rel_coord(Coord2D(5, 5));
	s.group.push_back(red);
	ASSERT_EQ(s.win.open(nullptr), 0);
	s.win.serve(s.clock.now());
	EXPECT_EQ(s.pixel(10, 50).to_long(), 0x0000FF);
	EXPECT_EQ(s.pixel(290, 90).to_long(), 0x00FF00);
	EXPECT_EQ(s.pixel(155, 5).to_long(), 0xFF0000);
	EXPECT_EQ(s.pixel(174, 24).to_long(), 0xFF0000);
	EXPECT_EQ(s.pixel(175, 24).to_long(), 0x00FF00);
}

TEST(WindowRedraw, AtScaleTwoTilesCoverHalfTheUnitsAndEveryDevicePixel)
{
	Scene s(2);
	ProbeControl red("red", Rect(0, 0, 20, 20), s.log, 0xFF0000);
	red.set_rel_coord(Coord2D(5, 5));
	s.group.push_back(red);
	ASSERT_EQ(s.win.open(nullptr), 0);
	s.win.serve(s.clock.now());
	EXPECT_EQ(s.win.use_screen().get_size(), Coord2D(600, 200));
	EXPECT_EQ(s.pixel(299, 199).to_long(), 0x0000FF);
	EXPECT_EQ(s.pixel(300, 0).to_long(), 0x00FF00);
	EXPECT_EQ(s.pixel(310, 10).to_long(), 0xFF0000);
	EXPECT_EQ(s.pixel(349, 49).to_long(), 0xFF0000);
	EXPECT_EQ(s.pixel(350, 49).to_long(), 0x00FF00);
	// A click at device pixel (351, 21) is unit (175, 10): just outside the control.
	s.win.mouse_down(Coord2D(349, 21), MouseState_PRIMARY, 0, 1.0);
	s.win.mouse_down(Coord2D(351, 21), MouseState_PRIMARY, 0, 5.0);
	EXPECT_EQ(std::count(s.log.begin(), s.log.end(), "red:click:1:0"), 1);
}

TEST(WindowMessages, RefusedWhileClosedAndTimersCountedFromTheirStart)
{
	Scene s;
	ProbeControl probe("probe", Rect(0, 0, 10, 10), s.log);
	s.group.push_back(probe);
	Invalidate inv(Rect(0, 0, 10, 10));
	EXPECT_EQ(s.win.send_message(inv), -1);
	int32_t id_before = -7;
	EXPECT_EQ(probe.start_timer(0.05f, id_before), -1);
	EXPECT_EQ(id_before, -1);

	ASSERT_EQ(s.win.open(nullptr), 0);
	int32_t a = -1;
	int32_t b = -1;
	ASSERT_EQ(probe.start_timer(0.05f, a), 0);
	ASSERT_EQ(probe.start_timer(0.5f, b), 0);
	EXPECT_EQ(b, a + 1) << "ids in creation order";
	s.clock.advance(0.049);
	s.win.serve_timers(s.clock.now());
	EXPECT_TRUE(s.log.empty());
	s.clock.advance(0.002);
	s.win.serve_timers(s.clock.now());
	EXPECT_EQ(s.log, (std::vector<std::string>{"probe:notify:" + std::to_string(a)}));
	s.log.clear();
	s.clock.advance(0.03);
	s.win.serve_timers(s.clock.now());
	EXPECT_TRUE(s.log.empty()) << "the next period counts from the last notification";
	s.clock.advance(0.03);
	s.win.serve_timers(s.clock.now());
	EXPECT_EQ(s.log.size(), 1u);

	probe.stop_timer(a);
	EXPECT_EQ(a, -1);
	s.log.clear();
	s.clock.advance(0.2);
	s.win.serve_timers(s.clock.now());
	EXPECT_TRUE(s.log.empty());
	ClearTimer unknown(123456);
	EXPECT_EQ(s.win.send_message(unknown), 0);
	EXPECT_EQ(s.win.get_timer_list().size(), 1u);
}

TEST(WindowMouse, DoubleClicksAndASecondButtonDuringADrag)
{
	Scene s;
	ProbeControl probe("p", Rect(0, 0, 100, 100), s.log);
	s.group.push_back(probe);
	ASSERT_EQ(s.win.open(nullptr), 0);
	s.win.mouse_down(Coord2D(170, 20), MouseState_PRIMARY, 0, 1.0);
	s.win.mouse_up(Coord2D(170, 20), 0);
	s.win.mouse_down(Coord2D(171, 21), MouseState_PRIMARY, 0, 1.2);
	s.win.mouse_up(Coord2D(171, 21), 0);
	s.win.mouse_down(Coord2D(171, 21), MouseState_PRIMARY, 0, 2.0);
	EXPECT_EQ(s.log, (std::vector<std::string>{"p:click:1:0", "p:click:0:0", "p:click:1:1", "p:click:0:0",
	                                           "p:click:1:0"}));
	s.log.clear();
	s.win.mouse_moved(Coord2D(175, 25), MouseState_PRIMARY | MouseState_SECONDARY);
	EXPECT_EQ(s.log, (std::vector<std::string>{"p:move:175,25", "p:click:3:0"}));
}

TEST(WindowMouse, RelativeCaptureSendsOffsetsAndHoldsThePointerAtItsOrigin)
{
	Scene s;
	ProbeControl probe("p", Rect(0, 0, 100, 100), s.log);
	ProbeControl other("o", Rect(0, 0, 10, 10), s.log);
	s.group.push_back(probe);
	s.group.push_back(other);
	ASSERT_EQ(s.win.open(nullptr), 0);
	s.win.mouse_down(Coord2D(180, 40), MouseState_PRIMARY, 0, 1.0);
	ASSERT_EQ(probe.capture_mouse(MouseCapture::TrackingType_RELATIVE), 0);
	EXPECT_TRUE(s.win.is_cursor_hidden());
	s.log.clear();
	s.win.mouse_moved(Coord2D(183, 36), MouseState_PRIMARY);
	EXPECT_EQ(s.win.get_pointer_pos(), Coord2D(180, 40)) << "put back at the origin";
	s.win.mouse_moved(Coord2D(180, 40), MouseState_PRIMARY);
	s.win.mouse_moved(Coord2D(500, 40), MouseState_PRIMARY);
	EXPECT_EQ(s.log, (std::vector<std::string>{"p:move:3,-4", "p:move:320,0"})) << "the echo sends nothing";

	// The capture passes to another component: the first hears it lost it.
	s.log.clear();
	ASSERT_EQ(other.capture_mouse(MouseCapture::TrackingType_NORMAL), 0);
	EXPECT_EQ(s.log, (std::vector<std::string>{"p:lost"}));
	MouseRelease stale(probe, Coord2D(1, 1));
	s.win.send_message(stale);
	EXPECT_EQ(s.win.get_mouse_capturer(), &other) << "a former capturer cannot end another's capture";
	other.release_mouse(Coord2D(0, 0));
	EXPECT_EQ(s.win.get_mouse_capturer(), nullptr);
	EXPECT_FALSE(s.win.is_cursor_hidden());
}

namespace
{

// A window whose pointer moves come back later as motion events, as on X11.
class EchoWindow : public WindowOffscreen
{
public:
	using WindowOffscreen::WindowOffscreen;

protected:
	bool do_move_pointer(const Coord2D &dev) override
	{
		WindowOffscreen::do_move_pointer(dev);
		return true;
	}
};

}  // namespace

TEST(WindowMouse, MotionsQueuedBeforeThePointersReturnCountFromWhereItWas)
{
	FakeClock clock;
	EchoWindow win(Coord2D(300, 100));
	CtrlGroupItem group;
	std::vector<std::string> log;
	ProbeControl probe("p", Rect(0, 0, 300, 100), log);
	win.set_ctrl_group_root(&group);
	group.push_back(probe);
	ASSERT_EQ(win.open(nullptr), 0);
	win.mouse_down(Coord2D(180, 40), MouseState_PRIMARY, 0, 1.0);
	ASSERT_EQ(probe.capture_mouse(MouseCapture::TrackingType_RELATIVE), 0);
	log.clear();
	win.mouse_moved(Coord2D(183, 36), MouseState_PRIMARY);
	win.mouse_moved(Coord2D(185, 33), MouseState_PRIMARY);
	win.mouse_moved(Coord2D(180, 40), MouseState_PRIMARY);
	win.mouse_moved(Coord2D(181, 40), MouseState_PRIMARY);
	EXPECT_EQ(log, (std::vector<std::string>{"p:move:3,-4", "p:move:2,-3", "p:move:1,0"}))
	    << "the second motion was queued before the return, the third is its echo";
	EXPECT_EQ(win.get_nbr_pointer_moves(), 2) << "one return per echo";
}

TEST(WindowMouse, RelativeCaptureAtScaleTwoKeepsSinglePixelMoves)
{
	Scene s(2);
	ProbeControl probe("p", Rect(0, 0, 100, 100), s.log);
	s.group.push_back(probe);
	ASSERT_EQ(s.win.open(nullptr), 0);
	s.win.mouse_down(Coord2D(360, 80), MouseState_PRIMARY, 0, 1.0);
	ASSERT_EQ(probe.capture_mouse(MouseCapture::TrackingType_RELATIVE), 0);
	s.log.clear();
	for (int i = 0; i < 4; ++i)
	{
		s.win.mouse_moved(Coord2D(360, 79), MouseState_PRIMARY);
	}
	EXPECT_EQ(s.log, (std::vector<std::string>{"p:move:0,-1", "p:move:0,-1"}))
	    << "four one-pixel moves make two units";

	// Closing mid-drag gives the pointer back, at its origin.
	s.win.close();
	EXPECT_FALSE(s.win.is_cursor_hidden());
	EXPECT_EQ(s.win.get_pointer_pos(), Coord2D(360, 80));
	EXPECT_EQ(s.win.get_mouse_capturer(), nullptr);
}

TEST(WindowRedraw, OnlyWhatWasInvalidatedIsRedrawn)
{
	std::vector<Rect> tiles;
	Scene s;
	s.win.set_rd_buf(new TileLog(tiles));
	ASSERT_EQ(s.win.open(nullptr), 0);
	s.win.serve(s.clock.now());
	tiles.clear();
	s.win.serve(s.clock.now());
	EXPECT_TRUE(tiles.empty()) << "nothing to do";
	Invalidate a(Rect(10, 10, 20, 20));
	Invalidate b(Rect(15, 15, 30, 25));
	Invalidate c(Rect(250, 80, 260, 90));
	Invalidate outside(Rect(290, 90, 400, 200));
	for (Invalidate *inv : {&a, &b, &c, &outside})
	{
		s.win.send_message(*inv);
	}
	s.win.serve(s.clock.now());
	EXPECT_EQ(tiles, (std::vector<Rect>{Rect(10, 10, 30, 25), Rect(250, 80, 260, 90), Rect(290, 90, 300, 100)}));
}
