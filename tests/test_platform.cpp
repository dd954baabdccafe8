// The platform layer: semaphores with time-outs and deletion, the settings
// folder, and atomic file replacement.
#include "platform/Kernel.h"
#include "platform/Storage.h"
#include "support/TempFolder.h"
#include "sys/AtomicFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace platform;

namespace
{

std::string read_text(const std::string &path)
{
	std::ifstream in(path, std::ios::binary);
	return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Kernel thread id of the calling thread, published for the checks below.
void publish_tid(std::atomic<long> &tid)
{
	tid.store(long(syscall(SYS_gettid)));
}

// Whether the thread sleeps in the kernel: the state field follows the ')'
// that closes the command name in /proc/self/task/<tid>/stat.
bool is_sleeping(long tid)
{
	const std::string stat = read_text("/proc/self/task/" + std::to_string(tid) + "/stat");
	const size_t paren = stat.rfind(')');
	return paren != std::string::npos && paren + 2 < stat.size() && stat[paren + 2] == 'S';
}

// Waits until the thread has published its id and then went to sleep. It
// publishes right before its blocking call, which takes no contended lock on
// the way, so sleeping means it waits inside that call. False after 10 s.
bool wait_until_blocked(const std::atomic<long> &tid)
{
	const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
	while (tid.load() == 0 || !is_sleeping(tid.load()))
	{
		if (std::chrono::steady_clock::now() > deadline)
		{
			return false;
		}
		std::this_thread::yield();
	}
	return true;
}

struct EnvGuard
{
	explicit EnvGuard(const char *name_arg) : name(name_arg)
	{
		const char *v = std::getenv(name_arg);
		had = v != nullptr;
		old = had ? v : "";
	}
	~EnvGuard()
	{
		had ? setenv(name, old.c_str(), 1) : unsetenv(name);
	}
	const char *name;
	bool had;
	std::string old;
};

}  // namespace

TEST(PlatformSem, TimeoutReleaseAndDeletionWakeWaiters)
{
	const sem_id sem = create_sem(0, "test");
	ASSERT_GT(sem, 0);
	const bigtime_t t0 = system_time();
	EXPECT_EQ(acquire_sem_etc(sem, 1, B_RELATIVE_TIMEOUT, 20000), B_TIMED_OUT);
	EXPECT_GE(system_time() - t0, 20000);

	ASSERT_EQ(release_sem(sem), B_OK);
	EXPECT_EQ(acquire_sem_etc(sem, 1, B_RELATIVE_TIMEOUT, 0), B_OK);

	// The waiter must already sleep inside acquire_sem_etc when the semaphore
	// goes: an acquire on an already deleted id gives the same code without
	// exercising the wake-up. Its long time-out tells a waiter woken by the
	// deletion from one that was not.
	std::atomic<long> waiter_tid{0};
	std::atomic<status_t> waiter_result{1};
	std::thread waiter([&] {
		publish_tid(waiter_tid);
		waiter_result = acquire_sem_etc(sem, 1, B_RELATIVE_TIMEOUT, 10000000);
	});
	const bool blocked = wait_until_blocked(waiter_tid);
	EXPECT_EQ(waiter_result.load(), 1);  // still inside the call
	const bigtime_t t_delete = system_time();
	ASSERT_EQ(delete_sem(sem), B_OK);
	waiter.join();
	ASSERT_TRUE(blocked) << "the waiter never blocked inside acquire_sem_etc";
	EXPECT_EQ(waiter_result.load(), B_BAD_SEM_ID);
	EXPECT_LT(system_time() - t_delete, 5000000);
	EXPECT_EQ(release_sem(sem), B_BAD_SEM_ID);
	EXPECT_EQ(acquire_sem(12345678), B_BAD_SEM_ID);
}

TEST(PlatformStorage, SettingsFolderFollowsXdgThenHome)
{
	EnvGuard xdg("XDG_CONFIG_HOME");
	EnvGuard home("HOME");
	const testsupport::TempFolder folder("tarvelle-cfg");
	const std::string &root = folder.get_path();
	BPath path;
	setenv("XDG_CONFIG_HOME", (root + "/xdg").c_str(), 1);
	ASSERT_EQ(find_directory(B_USER_SETTINGS_DIRECTORY, &path, true), B_OK);
	EXPECT_STREQ(path.Path(), (root + "/xdg/tarvelle").c_str());
	EXPECT_TRUE(BEntry(path.Path()).Exists());
	setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
	setenv("HOME", root.c_str(), 1);
	ASSERT_EQ(find_directory(B_USER_SETTINGS_DIRECTORY, &path), B_OK);
	EXPECT_STREQ(path.Path(), (root + "/.config/tarvelle").c_str());
	BPath parent;
	ASSERT_EQ(path.GetParent(&parent), B_OK);
	EXPECT_STREQ(parent.Path(), (root + "/.config").c_str());
	ASSERT_EQ(parent.Append("cfg.txt"), B_OK);
	EXPECT_STREQ(parent.Path(), (root + "/.config/cfg.txt").c_str());
}

TEST(PlatformStorage, AtomicFileReplacesWholeOrNotAtAll)
{
	const testsupport::TempFolder dir("tarvelle-atomic");
	const std::string path = dir.path("PersistentKeys");
	{
		sys::AtomicFile f;
		ASSERT_TRUE(f.open(path.c_str()));
		ASSERT_TRUE(f.write("old content", 11));
		ASSERT_TRUE(f.commit());
	}
	{
		sys::AtomicFile f;
		ASSERT_TRUE(f.open(path.c_str()));
		ASSERT_TRUE(f.write("half", 4));
		// Destroyed without commit: as if the writer failed midway.
	}
	EXPECT_EQ(read_text(path), "old content");

	// Writers racing on one file: it always holds one complete version.
	auto writer = [&path](char c) {
		const std::string text(5000, c);
		for (int i = 0; i < 50; ++i)
		{
			sys::AtomicFile f;
			if (f.open(path.c_str()) && f.write(text.data(), text.size()))
			{
				f.commit();
			}
		}
	};
	std::thread a(writer, 'a');
	std::thread b(writer, 'b');
	size_t torn_size = 0;
	for (int i = 0; i < 200 && torn_size == 0; ++i)
	{
		const std::string now = read_text(path);
		if (now != "old content" && now != std::string(5000, 'a') && now != std::string(5000, 'b'))
		{
			torn_size = now.size() + 1;
		}
	}
	a.join();
	b.join();
	EXPECT_EQ(torn_size, 0u) << "a reader saw a file of " << torn_size - 1 << " bytes";
	EXPECT_EQ(dir.list(), std::vector<std::string>{"PersistentKeys"}) << "temporary files left";
}
