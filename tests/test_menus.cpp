// Pop-up menus and the text line editor through synthetic pointer and key
// input, with the toolkit's own font.
#include "support/ArtFont.h"
#include "gui/CtrlGroupItem.h"
#include "gui/FontFactory.h"
#include "gui/MenuDelimiter.h"
#include "gui/MenuItem.h"
#include "gui/MenuList.h"
#include "gui/MenuPopup.h"
#include "gui/MenuRequest.h"
#include "gui/RenderingBufferMem.h"
#include "gui/TextBox.h"
#include "gui/TextLineEditorPopup.h"
#include "gui/WindowOffscreen.h"
#include "support/ToolkitBench.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace ruvava;
using namespace testsupport;

namespace
{


class CountingAction : public MenuListenerInterface
{
public:
	int _count = 0;

protected:
	int32_t do_act() override
	{
		++_count;
		return 7;
	}
};

// A menu "Load", "Save" (disabled), a separator, and a submenu "Devices"
// with "In" and "Out".
struct MenuScene
{
	MenuScene() : win(Coord2D(300, 200)), probe("p", Rect(0, 0, 300, 200), log)
	{
		win.set_sys_font(&sys_font());
		win.set_ctrl_group_root(&group);
		group.push_back(probe);
		for (MenuItem *item : {&load, &save, &in, &out})
		{
			item->set_listener(&actions[item == &load ? 0 : item == &save ? 1 : item == &in ? 2 : 3]);
		}
		devices.push_back(in);
		devices.push_back(out);
		menu.push_back(load);
		menu.push_back(save);
		menu.push_back(line);
		menu.push_back(devices);
		win.open(nullptr);
		win.set_screen_origin(Coord2D(100, 50));
	}
	// The screen centre of a row of a level.
	Coord2D row_centre(int level, int row) const
	{
		const MenuView::Level &lv = popup().use_view().use_level(level);
		const Rect r = lv._rows[size_t(row)] + Coord2D(lv._frame._x0, lv._frame._y0);
		return Coord2D((r._x0 + r._x1) / 2, (r._y0 + r._y1) / 2);
	}
	MenuPopup &popup() const
	{
		return win.use_menu_popup();
	}
	// Opens the menu where the pointer is, as a control's click does.
	void open_at(const Coord2D &p)
	{
		win.mouse_down(p, MouseState_PRIMARY, 0, clock.now());
		MenuRequest request(menu, Coord2D(0, 0));
		ASSERT_EQ(probe.send_message(request), 0);
	}

	FakeClock clock;
	WindowOffscreen win;
	CtrlGroupItem group;
	std::vector<std::string> log;
	ProbeControl probe;
	CountingAction actions[4];
	MenuItem load{"Load"};
	MenuItem save{"Save", false, false, true};
	MenuDelimiter line;
	MenuList devices{"Devices"};
	MenuItem in{"In", true, true};
	MenuItem out{"Out", true};
	MenuList menu;
};

}  // namespace

TEST(MenuTree, DelimiterTextsIdsAndDepthFirstSearch)
{
	EXPECT_EQ(MenuDelimiter("MIDI").get_display_text(), "--- MIDI " + std::string(31, '-'));
	EXPECT_EQ(MenuDelimiter("").get_display_text(), "");
	const std::string long_label(40, 'x');
	EXPECT_EQ(MenuDelimiter(long_label).get_display_text(), "--- " + long_label + " ");

	MenuItem a("a");
	MenuItem b("b");
	MenuList sub("sub");
	MenuItem c("c");
	EXPECT_LT(a.get_id(), b.get_id());
	EXPECT_LT(b.get_id(), c.get_id());
	sub.push_back(c);
	MenuList top;
	top.push_back(a);
	top.push_back(sub);
	top.push_back(b);
	EXPECT_EQ(Menu::find_item(top, c.get_id()), &c);
	EXPECT_EQ(Menu::find_item(top, b.get_id()), &b);
	EXPECT_EQ(Menu::find_item(top, -5), nullptr);
}

TEST(MenuPopup, OpensAtThePointerAndTheOpeningReleaseChoosesNothing)
{
	MenuScene s;
	s.open_at(Coord2D(40, 30));
	ASSERT_TRUE(s.popup().use_view().is_open());
	const Rect frame = s.popup().use_view().use_level(0)._frame;
	EXPECT_EQ(Coord2D(frame._x0, frame._y0), Coord2D(140, 80)) << "window origin plus pointer";
	// The click that asked for the menu ends over its first row.
	s.popup().release(s.row_centre(0, 0));
	EXPECT_TRUE(s.popup().use_view().is_open());
	EXPECT_EQ(s.actions[0]._count, 0);

	EXPECT_EQ(s.popup().press(s.row_centre(0, 0)), 0);
	EXPECT_EQ(s.popup().release(s.row_centre(0, 0)), 7) << "the action's result";
	EXPECT_EQ(s.actions[0]._count, 1);
	EXPECT_FALSE(s.popup().use_view().is_open());
}

TEST(MenuPopup, SubmenusOpenOnHoverAndDisabledRowsDoNothing)
{
	MenuScene s;
	s.open_at(Coord2D(40, 30));
	s.popup().press(s.row_centre(0, 1));
	s.popup().release(s.row_centre(0, 1));
	EXPECT_TRUE(s.popup().use_view().is_open()) << "a disabled item closes nothing";
	EXPECT_EQ(s.actions[1]._count, 0);

	s.popup().motion(s.row_centre(0, 3));
	ASSERT_EQ(s.popup().use_view().get_nbr_levels(), 2);
	const Rect top = s.popup().use_view().use_level(0)._frame;
	const Rect sub = s.popup().use_view().use_level(1)._frame;
	EXPECT_GE(sub._x0, top._x1 - 2) << "beside its parent";
	s.popup().motion(s.row_centre(1, 1));
	s.popup().press(s.row_centre(1, 1));
	s.popup().release(s.row_centre(1, 1));
	EXPECT_EQ(s.actions[3]._count, 1);
	EXPECT_FALSE(s.popup().use_view().is_open());
}

TEST(MenuPopup, AClickOutsideClosesWithoutActingAndKeysNavigate)
{
	MenuScene s;
	s.open_at(Coord2D(40, 30));
	s.popup().press(Coord2D(5, 5));
	EXPECT_FALSE(s.popup().use_view().is_open());
	for (const CountingAction &a : s.actions)
	{
		EXPECT_EQ(a._count, 0);
	}

	// Down skips the disabled item and the separator; Right enters the submenu.
	s.open_at(Coord2D(40, 30));
	s.popup().key(MenuView::Key_DOWN);
	s.popup().key(MenuView::Key_DOWN);
	EXPECT_EQ(s.popup().use_view().use_level(0)._hover, 3);
	s.popup().key(MenuView::Key_RIGHT);
	s.popup().key(MenuView::Key_ENTER);
	EXPECT_EQ(s.actions[2]._count, 1);
	s.open_at(Coord2D(40, 30));
	s.popup().key(MenuView::Key_ESCAPE);
	EXPECT_FALSE(s.popup().use_view().is_open());
}

TEST(MenuPopup, StaysOnScreenAndClosesWithTheWindow)
{
	MenuScene s;
	s.win.set_screen_origin(Coord2D(WindowOffscreen::SCREEN_W - 320, WindowOffscreen::SCREEN_H - 210));
	s.open_at(Coord2D(290, 190));
	const Rect frame = s.popup().use_view().use_level(0)._frame;
	EXPECT_LE(frame._x1, WindowOffscreen::SCREEN_W);
	EXPECT_LE(frame._y1, WindowOffscreen::SCREEN_H);
	s.win.close();
	EXPECT_FALSE(s.popup().use_view().is_open());
}

TEST(MenuPopup, DrawsLabelsCheckMarksAndTheHighlightedRow)
{
	MenuScene s;
	s.open_at(Coord2D(40, 30));
	s.popup().motion(s.row_centre(0, 3));
	s.popup().motion(s.row_centre(1, 0));
	const MenuView &view = s.popup().use_view();
	const MenuView::Level &sub = view.use_level(1);
	RenderingBufferMem buf(Coord2D(sub._frame.width(), sub._frame.height()));
	view.render(1, buf);
	// The highlighted row "In" carries dark blue and white text and its tick;
	// the row "Out" is light with dark text and no tick.
	const auto count = [&](const Rect &r, auto pred) {
		int n = 0;
		for (int32_t y = r._y0; y < r._y1; ++y)
		{
			for (int32_t x = r._x0; x < r._x1; ++x)
			{
				n += pred(buf.at(x, y)) ? 1 : 0;
			}
		}
		return n;
	};
	const auto white = [](const AlphaRGB &p) { return p._r > 200 && p._g > 200 && p._b > 200; };
	const auto dark = [](const AlphaRGB &p) { return p._r < 120 && p._g < 120 && p._b < 120; };
	const Rect in_row = sub._rows[0];
	const Rect out_row = sub._rows[1];
	const Rect in_tick(in_row._x0, in_row._y0, in_row._x0 + 17, in_row._y1);
	const Rect out_tick(out_row._x0, out_row._y0, out_row._x0 + 17, out_row._y1);
	EXPECT_GT(count(in_tick, white), 5) << "a tick in the highlighted row";
	EXPECT_EQ(count(out_tick, dark), 0) << "no tick where unchecked";
	EXPECT_GT(count(Rect(out_row._x0 + 18, out_row._y0, out_row._x1, out_row._y1), dark), 10) << "the label";
}

TEST(TextEntry, EnterValidatesTheTypedTextAndEscapeOrAClickOutsideKeepTheOld)
{
	MenuScene s;
	TextBox box;
	RecordingListener listener;
	box.set_listener(&listener);
	box.set_box(Rect(0, 0, 60, 14));
	box.set_frame_size(Coord2D(60, 14));
	box.set_editable(true);
	box.set_text("120.0");
	box.set_rel_coord(Coord2D(20, 20));
	CtrlGroupItem group;
	group.set_area(Rect(0, 0, 300, 200));
	s.win.set_ctrl_group_root(&group);
	group.push_back(box);
	s.win.close();
	s.win.open(nullptr);
	TextLineEditorPopup &entry = s.win.use_text_popup();

	s.win.mouse_down(Coord2D(30, 25), MouseState_PRIMARY, 0, s.clock.now());
	ASSERT_TRUE(entry.is_running());
	EXPECT_TRUE(box.is_editing());
	EXPECT_EQ(entry.use_edit().get_text(), "120.0");
	EXPECT_EQ(entry.get_screen_frame()._x0, 100 + 20) << "over the box, on screen";
	entry.type("9");
	entry.type("8");
	entry.key(TextLineEdit::Key_BACKSPACE);
	entry.type("7.5");
	entry.key(TextLineEdit::Key_ENTER);
	EXPECT_FALSE(entry.is_running());
	EXPECT_EQ(box.get_text(), "97.5") << "typing replaced the selected text";
	EXPECT_EQ(listener._events, std::vector<long>{2});

	s.win.mouse_down(Coord2D(30, 25), MouseState_PRIMARY, 0, s.clock.now() + 1);
	entry.type("1");
	entry.key(TextLineEdit::Key_ESCAPE);
	EXPECT_EQ(box.get_text(), "97.5");
	EXPECT_FALSE(box.is_editing());

	s.win.mouse_down(Coord2D(30, 25), MouseState_PRIMARY, 0, s.clock.now() + 2);
	entry.type("2");
	entry.press(Coord2D(0, 0));
	EXPECT_FALSE(entry.is_running());
	EXPECT_EQ(box.get_text(), "97.5");
	EXPECT_EQ(listener._events, std::vector<long>{2});
}
