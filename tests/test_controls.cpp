// Each control under sequences of mouse messages and timer ticks, through
// an off-screen window, against values worked out from the motion rules.
#include "gui/BackgroundItem.h"
#include "gui/CtrlGroupItem.h"
#include "gui/Diode.h"
#include "gui/Fader.h"
#include "gui/FlipFlop.h"
#include "gui/Knob.h"
#include "gui/PersistentMouseSettings.h"
#include "gui/PushButton.h"
#include "gui/Spin.h"
#include "gui/Switch.h"
#include "gui/WindowOffscreen.h"
#include "support/TempFolder.h"
#include "support/ToolkitBench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace ruvava;
using namespace testsupport;

namespace
{

// The persistent mouse mode lives in a scratch settings folder.
TempFolder &settings_folder()
{
	static TempFolder folder("tarvelle-controls");
	return folder;
}
const bool settings_redirected = (setenv("XDG_CONFIG_HOME", settings_folder().get_path().c_str(), 1), true);

void set_mouse_mode(PersistentMouseSettings::MouseBehaviour b)
{
	PersistentMouseSettings::get_instance().set_mouse_behaviour(b);
}

// One control in a 200 x 200 window, its listener, a clock, and a pump
// that moves time on in steps of 10 ms.
struct Bench
{
	explicit Bench(ControlInterface &c, const Coord2D &pos) : win(Coord2D(200, 200)), ctrl(c)
	{
		set_mouse_mode(PersistentMouseSettings::MouseBehaviour_ENHANCED);
		group.set_area(Rect(0, 0, 200, 200));
		win.set_ctrl_group_root(&group);
		background.set_picture(solid_picture(200, 200, 0x000000));
		win.set_background_root(&background);
		ctrl.set_listener(&listener);
		ctrl.set_rel_coord(pos);
		group.push_back(ctrl);
		win.open(nullptr);
	}
	void run(double seconds)
	{
		for (double t = 0; t < seconds - 1e-9; t += 0.01)
		{
			clock.advance(0.01);
			win.serve(clock.now());
		}
	}
	void press(const Coord2D &p, int alt = 0)
	{
		win.mouse_down(p, MouseState_PRIMARY, alt, clock.now());
	}
	void release(const Coord2D &p)
	{
		win.mouse_up(p, 0);
	}
	// A relative drag: the pointer is back at the origin after each move.
	void drag_by(int32_t dx, int32_t dy)
	{
		const Coord2D org = win.get_org_mouse_pos();
		win.mouse_moved(org + Coord2D(dx, dy), MouseState_PRIMARY);
	}

	FakeClock clock;
	WindowOffscreen win;
	CtrlGroupItem group;
	BackgroundItem background;
	RecordingListener listener;
	ControlInterface &ctrl;
};

}  // namespace

TEST(Knob, DragOfItsHeightSpansTheRangeAndTurningBackRespondsAtOnce)
{
	Knob knob;
	knob.set_box(Rect(-20, -20, 20, 20));
	Bench b(knob, Coord2D(100, 100));
	b.press(Coord2D(100, 95));
	EXPECT_EQ(b.win.get_capture_type(), MouseCapture::TrackingType_RELATIVE);
	EXPECT_TRUE(b.win.is_cursor_hidden());
	for (int i = 0; i < 25; ++i)
	{
		b.drag_by(0, -10);
		b.run(0.02);
	}
	EXPECT_NEAR(knob.use_behaviour().get_final_val(), 1.25, 1e-12) << "the target overshoots";
	b.run(1.0);
	EXPECT_DOUBLE_EQ(knob.get_val(), 1.0) << "the value stops at the end";
	b.drag_by(0, 10);
	EXPECT_NEAR(knob.use_behaviour().get_final_val(), 0.95, 1e-12) << "50 px past the end are forgotten";

	// Released: the value settles, the timer ends and the pointer is back.
	b.release(Coord2D(100, 95));
	b.run(1.0);
	EXPECT_NEAR(knob.get_val(), 0.95, 1e-6);
	EXPECT_TRUE(b.win.get_timer_list().empty());
	EXPECT_FALSE(b.win.is_cursor_hidden());
	EXPECT_EQ(b.win.get_pointer_pos(), Coord2D(100, 100)) << "at the knob's origin";
	ASSERT_FALSE(b.listener._prios.empty());
	EXPECT_EQ(b.listener._prios.front(), 200);
}

TEST(Knob, FineDragsWithShiftAndSideways)
{
	Knob knob;
	knob.set_box(Rect(-20, -20, 20, 20));
	knob.set_xy_rate(0.03125);
	Bench b(knob, Coord2D(100, 100));
	b.press(Coord2D(100, 100), AltKeys_SHIFT);
	b.drag_by(0, -100);
	EXPECT_NEAR(knob.use_behaviour().get_final_val(), 100.0 / 2000, 1e-12) << "ten times finer";
	b.release(Coord2D(100, 100));
	b.run(1.0);

	// Sideways moves lock to the secondary axis at 1/32 of the rate; past 16
	// pixels the raw target restarts from the value reached.
	const double start = knob.get_val();
	b.press(Coord2D(100, 100));
	for (int i = 0; i < 10; ++i)
	{
		b.drag_by(4, 0);
	}
	EXPECT_NEAR(knob.use_behaviour().get_final_val(), start + 40 * 0.03125 / 200, 1e-12);
}

TEST(Knob, SmoothingFollowsTheTargetExponentially)
{
	Knob knob;
	knob.set_box(Rect(-20, -20, 20, 20));
	Bench b(knob, Coord2D(100, 100));
	b.press(Coord2D(100, 100));
	b.drag_by(0, -100);
	// With a steady target the gap shrinks by exp(-2 pi 3 dt) per step.
	const double before = knob.get_val();
	b.clock.advance(0.03);
	b.win.serve(b.clock.now());
	const double expected = before + (0.5 - before) * (1 - std::exp(-2 * M_PI * 3 * 0.03));
	EXPECT_NEAR(knob.get_val(), expected, 1e-9);
}

TEST(Knob, ANotchTakesTheValueOnlyWhenThreeTimesCloserThanTheCurrentOne)
{
	Knob knob;
	knob.set_box(Rect(-20, -20, 20, 20));
	knob.set_notch_list({0.5});
	Bench b(knob, Coord2D(100, 100));
	knob.set_val_auto(0.2, 200);
	b.press(Coord2D(100, 100));
	// Raw targets 0.2 + n / 200; |t - 0.5| < |t - 0.2| / 3 from t > 0.425.
	for (int n = 1; n <= 44; ++n)
	{
		b.drag_by(0, -1);
		ASSERT_DOUBLE_EQ(knob.use_behaviour().get_final_val(), 0.2) << n;
	}
	b.drag_by(0, -1);
	b.drag_by(0, -1);
	EXPECT_DOUBLE_EQ(knob.use_behaviour().get_final_val(), 0.5);
}

TEST(Knob, SideClickInTheLowerRightGlidesUpUntilReleasedThenStops)
{
	Knob knob;
	knob.set_box(Rect(-20, -20, 20, 20));
	Bench b(knob, Coord2D(100, 100));
	knob.set_val_auto(0.3, 200);
	b.press(Coord2D(118, 118));
	EXPECT_EQ(b.win.get_capture_type(), MouseCapture::TrackingType_NORMAL);
	EXPECT_FALSE(b.win.is_cursor_hidden());
	double last = knob.get_val();
	for (int i = 0; i < 20; ++i)
	{
		b.run(0.1);
		ASSERT_GT(knob.get_val(), last) << "rising at tick " << i;
		last = knob.get_val();
	}
	b.release(Coord2D(118, 118));
	b.run(5.0);
	EXPECT_TRUE(b.win.get_timer_list().empty()) << "stopped once the glide died away";
	EXPECT_GT(knob.get_val(), last);
	EXPECT_LT(knob.get_val(), 1.0);

	// The lower-left corner glides down; the middle drags.
	knob.set_val_auto(0.5, 200);
	b.press(Coord2D(82, 118));
	b.run(1.0);
	b.release(Coord2D(82, 118));
	EXPECT_LT(knob.get_val(), 0.5);
}

TEST(Knob, CompatibleModeDragsWithAbsolutePositionsAndAVisiblePointer)
{
	Knob knob;
	knob.set_box(Rect(-20, -20, 20, 20));
	Bench b(knob, Coord2D(100, 100));
	set_mouse_mode(PersistentMouseSettings::MouseBehaviour_COMPATIBLE);
	b.press(Coord2D(100, 110));
	EXPECT_EQ(b.win.get_capture_type(), MouseCapture::TrackingType_NORMAL);
	EXPECT_FALSE(b.win.is_cursor_hidden());
	b.win.mouse_moved(Coord2D(100, 109), MouseState_PRIMARY);
	for (int y = 108; y >= 70; y -= 2)
	{
		b.win.mouse_moved(Coord2D(100, y), MouseState_PRIMARY);
	}
	EXPECT_NEAR(knob.use_behaviour().get_final_val(), 39 / 200.0, 1e-12);
	set_mouse_mode(PersistentMouseSettings::MouseBehaviour_ENHANCED);
}

TEST(Knob, ARefusedChangeStopsTheDrag)
{
	Knob knob;
	knob.set_box(Rect(-20, -20, 20, 20));
	Bench b(knob, Coord2D(100, 100));
	b.press(Coord2D(100, 100));
	b.listener._accept = false;
	b.drag_by(0, -40);
	b.run(0.1);
	EXPECT_EQ(knob.get_val(), 0.0);
	EXPECT_EQ(b.win.get_mouse_capturer(), nullptr);
	EXPECT_TRUE(b.win.get_timer_list().empty());
}

TEST(Knob, SpotSitsOnItsCircleAtTheValuesAngle)
{
	Knob knob;
	knob.set_box(Rect(-40, -40, 40, 40));
	knob.set_radius(30);
	knob.set_spot_pic(solid_picture(2, 2, 0xFF0000, Coord2D(1, 1)));
	Bench b(knob, Coord2D(100, 100));
	b.run(0.01);
	// Value 0 lies at 225 degrees, value 1 at -45 degrees, on screen y downwards.
	const auto red_near = [&](double x, double y) {
		return b.win.use_screen().at(int32_t(std::floor(x)), int32_t(std::floor(y)))._r > 100;
	};
	const double r = 30 / std::sqrt(2.0);
	EXPECT_TRUE(red_near(100 - r, 100 + r));
	EXPECT_FALSE(red_near(100 + r, 100 + r));
	knob.set_val_auto(1.0, 200);
	b.run(0.01);
	EXPECT_TRUE(red_near(100 + r, 100 + r));
	EXPECT_FALSE(red_near(100 - r, 100 + r));
}

TEST(Fader, DragsItsHandleAndPutsThePointerBackOnIt)
{
	Fader fader;
	fader.set_direction(Fader::Direction_VERTICAL);
	fader.set_amplitude(100);
	fader.set_box(Rect(-10, -5, 10, 105));
	fader.set_button_pic(solid_picture(20, 10, 0x808080, Coord2D(10, 5)));
	Bench b(fader, Coord2D(50, 50));
	b.press(Coord2D(50, 150));
	ASSERT_EQ(b.win.get_capture_type(), MouseCapture::TrackingType_RELATIVE) << "the handle is hit at value 0";
	b.drag_by(0, -25);
	b.drag_by(0, -25);
	b.run(1.0);
	EXPECT_NEAR(fader.get_val(), 0.5, 1e-6);
	b.release(Coord2D(50, 150));
	EXPECT_EQ(b.win.get_pointer_pos(), Coord2D(50, 100)) << "on the handle, 50 px up";
	b.run(0.5);

	// A click above the handle glides towards it; the speed grows with the distance.
	fader.set_side_click_speed(1.0);
	b.press(Coord2D(50, 60));
	b.run(0.5);
	b.release(Coord2D(50, 60));
	EXPECT_GT(fader.get_val(), 0.5);
}

TEST(Spin, RepeatsSlowlyThenQuicklyWhileHeld)
{
	Spin spin;
	spin.set_box(Rect(0, 0, 20, 40));
	spin.set_pic(Spin::PicFlag_UP, solid_picture(20, 20, 0x101010));
	spin.set_pic(Spin::PicFlag_UP_PRESSED, solid_picture(20, 20, 0x202020));
	Bench b(spin, Coord2D(10, 10));
	b.press(Coord2D(15, 15));
	EXPECT_NEAR(spin.get_val(), 0.001, 1e-12) << "one step on the click";
	b.run(0.45);
	EXPECT_NEAR(spin.get_val(), 0.001, 1e-12) << "nothing more for half a second";
	b.run(1.0);
	const double at_1_45 = spin.get_val();
	// Ticks every 0.1 s from the click; the one at 0.5 s lies on the boundary of
	// the slow phase and may count either way: 8 or 9 steps by 1.45 s.
	EXPECT_NEAR(at_1_45, 0.001 + 8.5 * 0.001, 0.5e-3 + 1e-9) << "0.001 every 0.1 s";
	b.run(1.0);
	const double at_2_45 = spin.get_val();
	// From 2 s on, 0.005 every 0.03 s: about 15 steps in the last 0.45 s.
	EXPECT_GT(at_2_45 - at_1_45, 0.005 * 12);
	b.release(Coord2D(15, 15));
	const double released = spin.get_val();
	b.run(0.5);
	EXPECT_EQ(spin.get_val(), released) << "nothing after release";
	EXPECT_TRUE(b.win.get_timer_list().empty());
}

TEST(FlipFlop, TogglesOnEachClickAndAnimatesThroughItsFrames)
{
	FlipFlop ff;
	ff.set_box(Rect(0, 0, 10, 10));
	Bench b(ff, Coord2D(10, 10));
	b.press(Coord2D(12, 12));
	b.release(Coord2D(12, 12));
	EXPECT_EQ(ff.get_val(), 1.0);
	b.press(Coord2D(12, 12));
	EXPECT_EQ(ff.get_val(), 0.0);

	ff.set_nbr_frames(3);
	for (int i = 0; i < 3; ++i)
	{
		ff.set_frame_pic(i, solid_picture(10, 10, 0x100000 * (i + 1)));
	}
	ff.set_transition_time(0.2);
	b.press(Coord2D(12, 12));
	EXPECT_EQ(ff.get_val(), 1.0) << "the value changes at once";
	b.run(0.1);
	EXPECT_EQ(b.win.use_screen().at(12, 12).to_long(), 0x200000) << "the middle frame half-way";
	b.run(0.2);
	EXPECT_EQ(b.win.use_screen().at(12, 12).to_long(), 0x300000);
	EXPECT_TRUE(b.win.get_timer_list().empty());
}

TEST(PushButton, FiresOnceAndAnimatesWithoutChangingItsValue)
{
	PushButton pb;
	pb.set_box(Rect(0, 0, 10, 10));
	Bench b(pb, Coord2D(10, 10));
	b.press(Coord2D(12, 12));
	b.release(Coord2D(12, 12));
	// Ticks every 30 ms of a 100 ms transition: down to 2t/T, then back up as 2(1 - t/T).
	std::vector<double> seen;
	for (int i = 0; i < 15; ++i)
	{
		b.run(0.01);
		if (seen.empty() || pb.get_position() != seen.back())
		{
			seen.push_back(pb.get_position());
		}
	}
	ASSERT_EQ(seen.size(), 5u);
	EXPECT_EQ(seen[0], 0.0) << "at rest until the first tick";
	EXPECT_NEAR(seen[1], 0.6, 1e-9);
	EXPECT_NEAR(seen[2], 0.8, 1e-9);
	EXPECT_NEAR(seen[3], 0.2, 1e-9);
	EXPECT_EQ(seen[4], 0.0);
	EXPECT_EQ(b.listener._events, std::vector<long>{0});
	EXPECT_TRUE(b.listener._values.empty());
	EXPECT_TRUE(b.win.get_timer_list().empty());
}

TEST(Switch, TheClickedStatesPictureSetsItsValue)
{
	Switch sw;
	sw.set_box(Rect(0, 0, 30, 10));
	sw.set_nbr_buttons(3);
	for (int i = 0; i < 3; ++i)
	{
		Picture pic = solid_picture(10, 10, 0x000010 * (i + 1));
		pic.set_hot(Coord2D(-10 * i, 0));
		sw.set_button_pic(i, pic);
	}
	Bench b(sw, Coord2D(10, 10));
	b.press(Coord2D(35, 12));
	EXPECT_EQ(sw.get_val(), 1.0);
	b.release(Coord2D(35, 12));
	b.press(Coord2D(25, 12));
	EXPECT_EQ(sw.get_val(), 0.5);
	EXPECT_EQ(b.win.get_mouse_capturer(), &sw);
	b.release(Coord2D(25, 12));
	EXPECT_EQ(b.win.get_mouse_capturer(), nullptr);
}

TEST(Diode, TicksWhileShownAndFadesOverItsAttackTime)
{
	Diode led;
	led.set_box(Rect(0, 0, 10, 10));
	led.set_time_refresh(0.05);
	led.set_attack_transition_time(0.2);
	Bench b(led, Coord2D(10, 10));
	b.run(0.26);
	EXPECT_EQ(b.listener._events.size(), 5u) << "one tick every 50 ms";
	led.set_val_auto(1.0, 200);
	led.start_anim();
	// Ticks every 50 ms since the window opened; the last one 90 ms after the start.
	b.run(0.1);
	EXPECT_NEAR(led.get_position(), 0.09 / 0.2, 1e-6);
	b.run(0.2);
	EXPECT_EQ(led.get_position(), 1.0);
	b.win.close();
	EXPECT_TRUE(b.win.get_timer_list().empty()) << "hidden: no more ticks";
}
