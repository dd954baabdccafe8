// File selection rules, message box types, file names, and starting the
// browser detached from the host.
#include "platform/Kernel.h"
#include "support/TempFolder.h"
#include "sys/FileOp.h"
#include "sys/FileSelector.h"
#include "sys/SimpleMessageBox.h"
#include "sys/sys_fnc.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

using sys::FileSelector;

namespace
{

// Answers every dialog at once with a given code (and file name).
class AnsweringHost : public sys::DialogHostInterface
{
public:
	int run_file_selector(FileSelector &sel, bool save_mode, Done done) override
	{
		_save_mode = save_mode;
		sel.set_filename(_typed);
		done(_answer);
		return 0;
	}
	int run_message_box(const std::string &title, const std::string &text, int type, int def, Done done) override
	{
		_boxes.push_back(title + "|" + text + "|" + std::to_string(type) + "|" + std::to_string(def));
		done(_answer);
		return 0;
	}
	std::string _typed;
	int _answer = 0;
	bool _save_mode = false;
	std::vector<std::string> _boxes;
};

FileSelector settings_selector()
{
	FileSelector sel;
	sel.set_filter_list({{"All files", "*.*"}, {"Setting files", "*.cfg.txt"}});
	sel.set_active_filter(1);
	return sel;
}

}  // namespace

TEST(FileSelector, FiltersMatchIgnoringCaseAndFoldersAlwaysShow)
{
	FileSelector sel = settings_selector();
	EXPECT_TRUE(sel.is_shown("A.CFG.TXT", false));
	EXPECT_FALSE(sel.is_shown("a.cfg", false));
	EXPECT_TRUE(sel.is_shown("presets", true));
	sel.set_active_filter(0);
	EXPECT_TRUE(sel.is_shown("a.cfg", false));
	EXPECT_TRUE(sel.is_shown("README", false)) << "all files, also without a dot";
	sel.set_active_filter(7);
	EXPECT_EQ(sel.get_active_filter(), 0) << "out of range: the first";
	FileSelector fresh;
	ASSERT_EQ(fresh.get_filter_list().size(), 1u);
	EXPECT_EQ(fresh.get_filter_list()[0]._name, "All files");
}

TEST(FileSelector, SavingCompletesTheExtensionOfTheFileNameOnly)
{
	FileSelector sel = settings_selector();
	EXPECT_EQ(sel.complete_extension("/home/u/preset"), "/home/u/preset.cfg.txt");
	EXPECT_EQ(sel.complete_extension("/home/u/my.folder/preset"), "/home/u/my.folder/preset.cfg.txt")
	    << "a dot in a folder's name is not the file's";
	EXPECT_EQ(sel.complete_extension("/home/u/preset.txt"), "/home/u/preset.txt");
	EXPECT_EQ(sel.complete_extension("/home/u/"), "/home/u/") << "no name, nothing to complete";
	sel.set_active_filter(0);
	EXPECT_EQ(sel.complete_extension("/home/u/preset"), "/home/u/preset") << "all files add nothing";

	AnsweringHost host;
	host._typed = "/tmp/x/bank";
	sel.set_filter_list({{"Banks", "*.pbk"}});
	int code = -99;
	ASSERT_EQ(sel.select_file_for_saving(host, [&code](int c) { code = c; }), 0);
	EXPECT_EQ(code, 0);
	EXPECT_TRUE(host._save_mode);
	EXPECT_EQ(sel.get_filename(), "/tmp/x/bank.pbk");
	host._typed = "/tmp/x/other";
	host._answer = 1;
	sel.select_file_for_opening(host, [&code](int c) { code = c; });
	EXPECT_EQ(code, 1);
	EXPECT_EQ(sel.get_filename(), "/tmp/x/other") << "opening completes nothing";
}

TEST(SimpleMessageBox, EachTypeHasItsButtonsAndAnUnknownTypeShowsNothing)
{
	EXPECT_STREQ(sys::SimpleMessageBox::get_button_text(0, 0), "Ok");
	EXPECT_EQ(sys::SimpleMessageBox::get_button_text(0, 1), nullptr);
	EXPECT_STREQ(sys::SimpleMessageBox::get_button_text(1, 1), "Cancel");
	EXPECT_STREQ(sys::SimpleMessageBox::get_button_text(2, 0), "Yes");
	EXPECT_STREQ(sys::SimpleMessageBox::get_button_text(2, 1), "No");
	AnsweringHost host;
	bool called = false;
	EXPECT_EQ(sys::SimpleMessageBox::ask(host, "T", "x", 3, 0, [&called](int) { called = true; }), -1);
	EXPECT_FALSE(called);
	EXPECT_TRUE(host._boxes.empty());
	host._answer = 1;
	int answer = -1;
	EXPECT_EQ(sys::SimpleMessageBox::ask(host, "Conflict", "f\nalready exists. Overwrite ?", 1, 1,
	                                     [&answer](int a) { answer = a; }),
	          0);
	EXPECT_EQ(answer, 1);
	EXPECT_EQ(host._boxes, std::vector<std::string>{"Conflict|f\nalready exists. Overwrite ?|1|1"});
}

TEST(FileOp, SplitsPathsAtTheLastSeparator)
{
	EXPECT_EQ(sys::FileOp::extract_filename("/a/b.c/d.pbk"), "d.pbk");
	EXPECT_EQ(sys::FileOp::extract_pathname("/a/b.c/d.pbk"), "/a/b.c");
	EXPECT_EQ(sys::FileOp::extract_filename("C:\\x\\y"), "y");
	EXPECT_EQ(sys::FileOp::extract_filename("plain"), "plain");
	EXPECT_EQ(sys::FileOp::extract_pathname("plain"), "");
	testsupport::TempFolder dir("tarvelle-fileop");
	EXPECT_TRUE(sys::FileOp::is_existing(dir.get_path()));
	EXPECT_FALSE(sys::FileOp::is_existing(dir.get_path() + "/none"));
	EXPECT_FALSE(sys::FileOp::is_existing(""));
}

TEST(OpenUrl, TheBrowserStartsDetachedWithNoneOfOurFilesAndLeavesNoZombie)
{
	testsupport::TempFolder dir("tarvelle-launch");
	// A stand-in browser that notes the address and the descriptors it got.
	const std::string script = dir.get_path() + "/xdg-open";
	const std::string out = dir.get_path() + "/seen";
	{
		std::ofstream f(script);
		f << "#!/bin/sh\n{ echo \"$1\"; ls /proc/$$/fd | sort -n | tr '\\n' ' '; echo; } > " << out << ".part\n"
		  << "mv " << out << ".part " << out << "\n";
	}
	ASSERT_EQ(chmod(script.c_str(), 0755), 0);
	const std::string old_path = std::getenv("PATH") ? std::getenv("PATH") : "";
	setenv("PATH", (dir.get_path() + ":" + old_path).c_str(), 1);
	// A descriptor of ours that a careless launch would pass on.
	const int null_fd = open("/dev/null", O_RDONLY);
	const int kept = fcntl(null_fd, F_DUPFD, 57);
	close(null_fd);
	ASSERT_GE(kept, 57);

	EXPECT_EQ(sys::open_url("https://example.invalid/jump.php?type=product&productid=43"), 0);
	std::string seen;
	for (int i = 0; i < 200 && seen.empty(); ++i)
	{
		std::ifstream f(out);
		std::stringstream ss;
		ss << f.rdbuf();
		seen = ss.str();
		std::this_thread::sleep_for(std::chrono::milliseconds(10));
	}
	close(kept);
	setenv("PATH", old_path.c_str(), 1);
	EXPECT_EQ(seen.substr(0, seen.find('\n')), "https://example.invalid/jump.php?type=product&productid=43");
	// The shell itself may hold one more for reading its script.
	const std::string fds = seen.substr(seen.find('\n') + 1);
	EXPECT_EQ(fds.find(" " + std::to_string(kept) + " "), std::string::npos) << fds;
	EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "no child of ours remains";
	EXPECT_EQ(errno, ECHILD);

	const char *const missing[] = {"tarvelle-no-such-program", nullptr};
	EXPECT_EQ(platform::launch_detached(missing), platform::B_ENTRY_NOT_FOUND);
	EXPECT_EQ(sys::open_url(""), -1);
}
