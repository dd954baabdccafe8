// The platform layer: semaphores with time-outs and deletion, suspended
// threads, bounded ports, the settings folder, and atomic file replacement.
#include "platform/Kernel.h"
#include "platform/Storage.h"
#include "sys/AtomicFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

using namespace platform;

namespace
{

std::string read_text(const std::string &path)
{
	std::ifstream in(path, std::ios::binary);
	return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

	std::atomic<status_t> waiter_result{1};
	// A long time-out tells a waiter woken by the deletion from one that was not.
	std::thread waiter([&] { waiter_result = acquire_sem_etc(sem, 1, B_RELATIVE_TIMEOUT, 5000000); });
	std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let it block first
	ASSERT_EQ(delete_sem(sem), B_OK);
	waiter.join();
	EXPECT_EQ(waiter_result.load(), B_BAD_SEM_ID);
	EXPECT_EQ(release_sem(sem), B_BAD_SEM_ID);
	EXPECT_EQ(acquire_sem(12345678), B_BAD_SEM_ID);
}

TEST(PlatformThread, StartsOnResumeAndGivesItsExitValue)
{
	static std::atomic<int> runs{0};
	runs = 0;
	auto body = [](void *data_ptr) -> std::int32_t {
		++runs;
		return *static_cast<std::int32_t *>(data_ptr) * 2;
	};
	std::int32_t arg = 21;
	const thread_id th = spawn_thread(body, "tarvelle test thread", 10, &arg);
	ASSERT_GT(th, 0);
	EXPECT_EQ(runs.load(), 0);  // created suspended
	ASSERT_EQ(resume_thread(th), B_OK);
	std::int32_t exit_value = 0;
	ASSERT_EQ(wait_for_thread(th, &exit_value), B_OK);
	EXPECT_EQ(exit_value, 42);
	EXPECT_EQ(runs.load(), 1);
	EXPECT_EQ(wait_for_thread(th, &exit_value), B_BAD_THREAD_ID);
	EXPECT_EQ(spawn_thread(nullptr, "none", 0, nullptr), B_BAD_VALUE);
}

TEST(PlatformPort, BoundedQueueBlocksWritersAndCloseWakesReaders)
{
	const port_id port = create_port(2, "test");
	ASSERT_GT(port, 0);
	ASSERT_EQ(write_port(port, 1, "ab", 2), B_OK);
	ASSERT_EQ(write_port(port, 2, "cdef", 4), B_OK);
	std::atomic<bool> third_written{false};
	std::thread writer([&] {
		write_port(port, 3, "g", 1);  // blocks: the port is full
		third_written = true;
	});
	EXPECT_EQ(port_buffer_size(port), 2);
	char buf[8] = {};
	std::int32_t code = 0;
	EXPECT_EQ(read_port(port, &code, buf, sizeof(buf)), 2);
	EXPECT_EQ(code, 1);
	EXPECT_EQ(std::string(buf, 2), "ab");
	EXPECT_EQ(read_port(port, &code, buf, 2), 4);  // size of the message; the rest dropped
	EXPECT_EQ(std::string(buf, 2), "cd");
	EXPECT_EQ(read_port(port, &code, buf, sizeof(buf)), 1);
	EXPECT_EQ(code, 3);
	writer.join();
	EXPECT_TRUE(third_written.load());

	std::atomic<std::int64_t> reader_result{1};
	std::thread reader([&] { reader_result = read_port(port, &code, buf, sizeof(buf)); });
	std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let it block first
	ASSERT_EQ(close_port(port), B_OK);
	reader.join();
	EXPECT_EQ(reader_result.load(), B_BAD_PORT_ID);
	EXPECT_EQ(write_port(port, 1, "x", 1), B_BAD_PORT_ID);
	EXPECT_EQ(create_port(0, "bad"), B_BAD_VALUE);
}

TEST(PlatformStorage, SettingsFolderFollowsXdgThenHome)
{
	EnvGuard xdg("XDG_CONFIG_HOME");
	EnvGuard home("HOME");
	char tmpl[] = "/tmp/tarvelle-cfg-XXXXXX";
	const std::string root = mkdtemp(tmpl);
	BPath path;
	setenv("XDG_CONFIG_HOME", (root + "/xdg").c_str(), 1);
	ASSERT_EQ(find_directory(B_USER_SETTINGS_DIRECTORY, &path, true), B_OK);
	EXPECT_STREQ(path.Path(), (root + "/xdg/tarvelle").c_str());
	EXPECT_TRUE(BEntry(path.Path()).Exists());
	setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
	setenv("HOME", root.c_str(), 1);
	ASSERT_EQ(find_directory(B_USER_SETTINGS_DIRECTORY, &path), B_OK);
	EXPECT_STREQ(path.Path(), (root + "/.config/tarvelle").c_str());
	EXPECT_STREQ(path.Leaf(), "tarvelle");
	BPath parent;
	ASSERT_EQ(path.GetParent(&parent), B_OK);
	EXPECT_STREQ(parent.Path(), (root + "/.config").c_str());
	ASSERT_EQ(parent.Append("cfg.txt"), B_OK);
	EXPECT_STREQ(parent.Leaf(), "cfg.txt");
	std::system(("rm -rf " + root).c_str());
}

TEST(PlatformStorage, AtomicFileReplacesWholeOrNotAtAll)
{
	char tmpl[] = "/tmp/tarvelle-atomic-XXXXXX";
	const std::string dir = mkdtemp(tmpl);
	const std::string path = dir + "/PersistentKeys";
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
	for (int i = 0; i < 200; ++i)
	{
		const std::string now = read_text(path);
		ASSERT_TRUE(now == "old content" || now == std::string(5000, 'a') || now == std::string(5000, 'b'))
		   << now.size();
	}
	a.join();
	b.join();
	EXPECT_EQ(std::system(("test $(ls " + dir + " | wc -l) -eq 1").c_str()), 0) << "temporary files left";
	std::system(("rm -rf " + dir).c_str());
}
