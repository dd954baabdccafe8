// The message box and the file selector drawn by the toolkit, driven by
// synthetic keys and clicks in a scratch folder.
#include "support/ArtFont.h"
#include "gui/FileSelectorView.h"
#include "gui/FontFactory.h"
#include "gui/MessageBoxView.h"
#include "gui/RenderingBufferMem.h"
#include "gui/WindowOffscreen.h"
#include "support/TempFolder.h"
#include "sys/FileOp.h"
#include "sys/FileSelector.h"
#include "sys/SimpleMessageBox.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sys/stat.h>

using namespace ruvava;
using testsupport::sys_font;

namespace
{


struct DialogBench
{
	DialogBench() : win(Coord2D(200, 100))
	{
		win.set_sys_font(&sys_font());
		win.open(nullptr);
	}
	DialogView &top()
	{
		return win.use_dialog_host().use_dialog(win.use_dialog_host().get_nbr_dialogs() - 1);
	}
	void serve()
	{
		win.serve(0);
	}
	WindowOffscreen win;
};

// A folder with bank files in mixed case, another file, a sub-folder with a
// dot in its name and a hidden file.
struct Scratch
{
	Scratch() : dir("tarvelle-dialogs")
	{
		for (const char *name : {"b.PBK", "a.pbk", "notes.txt", ".hidden.pbk"})
		{
			std::ofstream(dir.get_path() + "/" + name) << "x";
		}
		mkdir((dir.get_path() + "/my.folder").c_str(), 0755);
		std::ofstream(dir.get_path() + "/my.folder/inner.pbk") << "x";
	}
	testsupport::TempFolder dir;
};

sys::FileSelector bank_selector(const std::string &start)
{
	sys::FileSelector sel;
	sel.set_title("Load preset bank");
	sel.set_filter_list({{"Kestrom plug-in preset bank (*.pbk)", "*.pbk"}, {"All files", "*.*"}});
	sel.set_filename(start);
	return sel;
}

std::vector<std::string> names(const FileSelectorView &v)
{
	std::vector<std::string> n;
	for (const auto &e : v.use_entries())
	{
		n.push_back(e._folder ? e._name + "/" : e._name);
	}
	return n;
}

}  // namespace

TEST(MessageBoxDialog, EnterTakesTheDefaultEscapeTheLastAndClicksTheirButton)
{
	DialogBench b;
	std::vector<int> answers;
	const auto note = [&answers](int a) { answers.push_back(a); };
	ASSERT_EQ(sys::SimpleMessageBox::ask(b.win.use_dialog_host(), "Conflict", "x.pbk\nalready exists. Overwrite ?", 1, 1,
	                                     note),
	          0);
	auto &box = static_cast<MessageBoxView &>(b.top());
	EXPECT_EQ(box.get_title(), "Conflict");
	EXPECT_EQ(box.get_focus(), 1);
	box.key(DialogView::Key_TAB);
	box.key(DialogView::Key_ENTER);
	b.serve();
	EXPECT_EQ(answers, std::vector<int>{0}) << "Tab moved to Ok";
	EXPECT_EQ(b.win.use_dialog_host().get_nbr_dialogs(), 0);

	sys::SimpleMessageBox::ask(b.win.use_dialog_host(), "Q", "?", 2, 0, note);
	b.top().key(DialogView::Key_ESCAPE);
	sys::SimpleMessageBox::ask(b.win.use_dialog_host(), "Q", "?", 2, 0, note);
	auto &yes_no = static_cast<MessageBoxView &>(b.top());
	const Rect no = yes_no.get_button_box(1);
	yes_no.press(Coord2D(no._x0 + 2, no._y0 + 2));
	sys::SimpleMessageBox::ask(b.win.use_dialog_host(), "Error", "Can't load bank file\nx.pbk\n\nCode -1011", 0, 0,
	                           note);
	b.top().key(DialogView::Key_ENTER);
	b.serve();
	EXPECT_EQ(answers, (std::vector<int>{0, 1, 1, 0}));
}

TEST(MessageBoxDialog, ShowsEveryLineAndItsButtons)
{
	MessageBoxView box("Error", "Can't load bank file\n/a/very/long/path/to/a/bank/file/x.pbk\n\nCode -1011", 0, 0,
	                   sys_font(), 1);
	RenderingBufferMem buf(box.get_size());
	box.render(buf);
	// Each text line leaves dark pixels in its band; the empty one none.
	const int32_t line_h = sys_font().get_char_height() + 3;
	const auto dark_in = [&](int32_t y0, int32_t y1) {
		int n = 0;
		for (int32_t y = y0; y < y1; ++y)
		{
			for (int32_t x = 0; x < buf.get_size()._x; ++x)
			{
				n += (buf.at(x, y)._r < 100) ? 1 : 0;
			}
		}
		return n;
	};
	for (int line = 0; line < 4; ++line)
	{
		const int n = dark_in(14 + line * line_h, 14 + (line + 1) * line_h);
		EXPECT_EQ(n > 0, line != 2) << "line " << line;
	}
	TextFrame widest;
	widest.set_text("/a/very/long/path/to/a/bank/file/x.pbk");
	EXPECT_GE(box.get_size()._x, sys_font().get_line_width(widest) + 28) << "wide enough for the longest line";
	EXPECT_EQ(box.get_nbr_buttons(), 1);
}

TEST(FileSelectorDialog, ListsFoldersThenFilteredFilesAndOpensWithTheKeyboard)
{
	Scratch s;
	DialogBench b;
	sys::FileSelector sel = bank_selector(s.dir.get_path() + "/");
	int code = -1;
	ASSERT_EQ(sel.select_file_for_opening(b.win.use_dialog_host(), [&code](int c) { code = c; }), 0);
	auto &view = static_cast<FileSelectorView &>(b.top());
	EXPECT_EQ(view.get_folder(), s.dir.get_path());
	EXPECT_EQ(names(view), (std::vector<std::string>{"my.folder/", "a.pbk", "b.PBK"}));

	// Into the folder and back up with the keyboard.
	view.key(DialogView::Key_DOWN);
	view.key(DialogView::Key_ENTER);
	EXPECT_EQ(view.get_folder(), s.dir.get_path() + "/my.folder");
	EXPECT_EQ(names(view), std::vector<std::string>{"inner.pbk"});
	view.key(DialogView::Key_BACKSPACE);
	EXPECT_EQ(view.get_folder(), s.dir.get_path());
	const Rect up = view.get_parent_box();
	view.press(Coord2D(up._x0 + 2, up._y0 + 2));
	EXPECT_EQ(view.get_folder(), sys::FileOp::extract_pathname(s.dir.get_path()));
	setenv("HOME", s.dir.get_path().c_str(), 1);
	const Rect home = view.get_home_box();
	view.press(Coord2D(home._x0 + 2, home._y0 + 2));
	EXPECT_EQ(view.get_folder(), s.dir.get_path());
	view.type("~/my.folder");
	view.key(DialogView::Key_ENTER);
	EXPECT_EQ(view.get_folder(), s.dir.get_path() + "/my.folder") << "a typed path";
	EXPECT_EQ(view.get_name(), "");
	view.key(DialogView::Key_BACKSPACE);

	// Another filter shows every file.
	const Rect fb = view.get_filter_box();
	view.press(Coord2D(fb._x0 + 5, fb._y0 + 5));
	EXPECT_EQ(names(view), (std::vector<std::string>{"my.folder/", "a.pbk", "b.PBK", "notes.txt"}));
	view.press(Coord2D(fb._x0 + 5, fb._y0 + 5));

	// A typed name that does not exist is refused; a listed one is taken.
	view.type("missing.pbk");
	view.key(DialogView::Key_ENTER);
	EXPECT_FALSE(view.is_done());
	EXPECT_EQ(view.get_message(), "No such file: missing.pbk");
	view.key(DialogView::Key_DOWN);
	view.key(DialogView::Key_DOWN);
	EXPECT_EQ(view.get_name(), "a.pbk");
	view.key(DialogView::Key_ENTER);
	b.serve();
	EXPECT_EQ(code, 0);
	EXPECT_EQ(sel.get_filename(), s.dir.get_path() + "/a.pbk");
}

TEST(FileSelectorDialog, SavingTakesATypedNameWithItsExtensionAndEscapeCancels)
{
	Scratch s;
	DialogBench b;
	sys::FileSelector sel = bank_selector(s.dir.get_path() + "/my.folder/inner.pbk");
	int code = -1;
	sel.select_file_for_saving(b.win.use_dialog_host(), [&code](int c) { code = c; });
	auto &view = static_cast<FileSelectorView &>(b.top());
	EXPECT_EQ(view.get_folder(), s.dir.get_path() + "/my.folder");
	EXPECT_EQ(view.get_name(), "inner.pbk") << "the current name to start from";
	view.type("live set");
	view.key(DialogView::Key_ENTER);
	b.serve();
	EXPECT_EQ(code, 0);
	EXPECT_EQ(sel.get_filename(), s.dir.get_path() + "/my.folder/live set.pbk")
	    << "the dot in the folder's name does not stop the extension";

	sel.select_file_for_saving(b.win.use_dialog_host(), [&code](int c) { code = c; });
	b.top().key(DialogView::Key_ESCAPE);
	b.serve();
	EXPECT_EQ(code, 1);
	EXPECT_EQ(sel.get_filename(), s.dir.get_path() + "/my.folder/live set.pbk") << "kept when cancelled";
}

TEST(FileSelectorDialog, AFolderThatCannotBeReadShowsAnEmptyListAndANote)
{
	DialogBench b;
	sys::FileSelector sel = bank_selector("/tmp/x.pbk");
	int code = -1;
	sel.select_file_for_opening(b.win.use_dialog_host(), [&code](int c) { code = c; });
	auto &view = static_cast<FileSelectorView &>(b.top());
	view.go_to("/proc/tarvelle-no-such-folder");
	EXPECT_TRUE(view.use_entries().empty());
	EXPECT_EQ(view.get_message(), "This folder cannot be read.");
	RenderingBufferMem buf(view.get_size());
	view.render(buf);

	// Closing the window answers every open dialog with "cancelled".
	b.win.close();
	EXPECT_EQ(code, 1);
	EXPECT_EQ(b.win.use_dialog_host().get_nbr_dialogs(), 0);
}
