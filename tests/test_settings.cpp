// Setting files and persistent keys on disk, in a settings folder of their
// own: the file texts, every error code, a write that fails midway, keys
// read by a second process and writers in several processes and threads.
#include "config/ConfKeyData.h"
#include "config/ConfKeyMulti.h"
#include "config/PersistentKeyList.h"
#include "config/SettingClientInterface.h"
#include "config/SettingMgr.h"
#include "engine/TarvelleDsp.h"
#include "gui/PersistentMouseSettings.h"
#include "params/HostGuiInterface.h"
#include "sys/Exception.h"
#include "sys/ResourceBlock.h"
#include "support/NoHostGui.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

extern char **environ;

namespace
{

std::string slurp(const std::string &path)
{
	std::ifstream in(path, std::ios::binary);
	return {std::istreambuf_iterator<char>(in), {}};
}

void spit(const std::string &path, const std::string &data)
{
	std::ofstream(path, std::ios::binary) << data;
}

// A settings folder of the test's own, named by XDG_CONFIG_HOME.
class SettingsFolder : public testing::Test
{
protected:
	void SetUp() override
	{
		setenv("XDG_CONFIG_HOME", root.c_str(), 1);
	}
	std::vector<std::string> list_dir(const std::string &sub = "") const
	{
		return folder.list(sub);
	}
	std::string key_file(const std::string &key_path = "Kestrom") const
	{
		return root + "/tarvelle/" + key_path + "/PersistentKeys";
	}

	testsupport::TempFolder folder{"tarvelle-settings"};
	const std::string root = folder.get_path();
};


// A client with one key of its own, and a result to give.
struct Client : basic::SettingClientInterface
{
	explicit Client(const std::string &k, int r = 0)
	: key(k)
	, result(r)
	{
	}
	int save_settings(basic::ConfKeyMulti &parent) override
	{
		++saves;
		parent.set_key_str(key, value);
		return result;
	}
	int load_settings(const basic::ConfKeyMulti &parent) override
	{
		++loads;
		loaded = parent.get_key_str(key);
		return result;
	}
	std::string key, value = "v", loaded;
	int result, saves = 0, loads = 0;
};

class SettingFiles : public SettingsFolder
{
protected:
	void SetUp() override
	{
		SettingsFolder::SetUp();
		dsp.init();
		ASSERT_EQ(mgr.init(dsp, host_gui), 0);
	}
	TarvelleDsp dsp;
	testsupport::NoHostGui host_gui;
	rivo::SettingMgr mgr;
};

}  // namespace

TEST_F(SettingFiles, ClientsSaveAndLoadInOrder)
{
	Client midi("midi/port_in/name");
	midi.value = "VST MIDI In interface";
	Client other("other");
	EXPECT_EQ(mgr.register_client(midi), 0);
	EXPECT_EQ(mgr.register_client(other), 0);
	EXPECT_EQ(mgr.register_client(midi), basic::SettingMgrInterface::Err_ALREADY_REGISTERED);
	EXPECT_EQ(mgr.get_client_pos(other), 1);
	ASSERT_EQ(mgr.save_settings(folder.path("s.cfg.txt")), 0);
	EXPECT_EQ(slurp(folder.path("s.cfg.txt")), "Tarvelle_config_section =\n"
	                                    "{\n"
	                                    "   version = 1.00\n"
	                                    "   midi =\n"
	                                    "   {\n"
	                                    "      port_in =\n"
	                                    "      {\n"
	                                    "         name = \"VST MIDI In interface\"\n"
	                                    "      }\n"
	                                    "   }\n"
	                                    "   other = v\n"
	                                    "}\n");
	ASSERT_EQ(mgr.load_settings(folder.path("s.cfg.txt")), 0);
	EXPECT_EQ(midi.loaded, "VST MIDI In interface");
	EXPECT_EQ(other.loaded, "v");

	mgr.unregister_client(midi);
	EXPECT_EQ(mgr.get_client_pos(midi), -1);
	EXPECT_EQ(mgr.get_client_pos(other), 0);
}

TEST_F(SettingFiles, AFailingClientStopsTheRest)
{
	Client failing("a", -7);
	Client after("b");
	mgr.register_client(failing);
	mgr.register_client(after);
	EXPECT_EQ(mgr.save_settings(folder.path("x.cfg.txt")), -7);
	EXPECT_EQ(after.saves, 0);
	EXPECT_TRUE(folder.list().empty());  // nothing written
	spit(folder.path("y.cfg.txt"), "Tarvelle_config_section = { version = 1.00 }\n");
	EXPECT_EQ(mgr.load_settings(folder.path("y.cfg.txt")), -7);
	EXPECT_EQ(after.loads, 0);
}

TEST_F(SettingFiles, EveryLoadErrorCode)
{
	Client client("k");
	mgr.register_client(client);
	auto load = [&](const std::string &text) {
		spit(folder.path("t.cfg.txt"), text);
		return mgr.load_settings(folder.path("t.cfg.txt"));
	};
	EXPECT_EQ(mgr.load_settings(folder.path("missing.cfg.txt")), basic::SettingMgrInterface::Err_OPEN);
	EXPECT_EQ(load(""), -1024);
	EXPECT_EQ(load("Tarvelle_config_section = { k = v"), -2044);
	EXPECT_EQ(load("Tarvelle_config_section = v"), basic::SettingMgrInterface::Err_NOT_A_SECTION);
	EXPECT_EQ(load("Tarvelle_config_section = { a b }"), basic::SettingMgrInterface::Err_NOT_A_SECTION);
	EXPECT_EQ(load("Other_config_section = { k = v }"), rivo::SettingMgr::Err_OTHER_PLUGIN);
	EXPECT_EQ(client.loads, 0);  // a file of another plug-in changes nothing
	EXPECT_EQ(load("Tarvelle_config_section = { }"), 0);  // an empty section
	EXPECT_EQ(client.loads, 1);
	// A damaged tail: what was read is loaded, and the damage is reported.
	EXPECT_EQ(load("Tarvelle_config_section = { k = kept junk }"), -1019);
	EXPECT_EQ(client.loaded, "kept");
	std::string huge(size_t(basic::SettingMgrInterface::MAX_FILE_SIZE) + 1, ' ');
	EXPECT_EQ(load(huge), basic::SettingMgrInterface::Err_OPEN);
}

TEST_F(SettingFiles, SaveErrorsLeaveTheOldFile)
{
	EXPECT_EQ(mgr.save_settings(root + "/no/such/folder/x.cfg.txt"), basic::SettingMgrInterface::Err_CREATE);
	ASSERT_EQ(mgr.save_settings(folder.path("keep.cfg.txt")), 0);
	const std::string before = slurp(folder.path("keep.cfg.txt"));

	struct Anonymous : Client  // a key without a name cannot be written
	{
		using Client::Client;
		int save_settings(basic::ConfKeyMulti &parent) override
		{
			parent.push_back(basic::ConfKeyData());
			return 0;
		}
	} anonymous("");
	mgr.register_client(anonymous);
	EXPECT_EQ(mgr.save_settings(folder.path("keep.cfg.txt")), basic::SettingMgrInterface::Err_WRITE);
	EXPECT_EQ(slurp(folder.path("keep.cfg.txt")), before);
	EXPECT_EQ(folder.list(), std::vector<std::string>{"keep.cfg.txt"});
}

// The file size limit makes the write fail halfway through the new text, in
// a child process so that the limit stays there.
TEST_F(SettingFiles, AWriteFailingMidwayLeavesTheOldFileByteIdentical)
{
	ASSERT_EQ(mgr.save_settings(folder.path("keep.cfg.txt")), 0);
	const std::string before = slurp(folder.path("keep.cfg.txt"));
	Client big("big");
	big.value = std::string(100000, 'x');
	mgr.register_client(big);
	const pid_t pid = fork();
	ASSERT_GE(pid, 0);
	if (pid == 0)
	{
		signal(SIGXFSZ, SIG_IGN);
		rlimit lim{8192, 8192};
		setrlimit(RLIMIT_FSIZE, &lim);
		_exit(-mgr.save_settings(folder.path("keep.cfg.txt")));
	}
	int status = 0;
	waitpid(pid, &status, 0);
	ASSERT_TRUE(WIFEXITED(status));
	EXPECT_EQ(-WEXITSTATUS(status) - 768, basic::SettingMgrInterface::Err_WRITE);  // exit codes are 8 bits
	EXPECT_EQ(slurp(folder.path("keep.cfg.txt")), before);
	EXPECT_EQ(folder.list(), std::vector<std::string>{"keep.cfg.txt"});  // no temporary file
}

TEST_F(SettingsFolder, PersistentKeysFromACleanFolder)
{
	EXPECT_THROW(sys::PersistentKeyList("Kestrom", false), basic::Exception);  // no folder to open
	sys::PersistentKeyList keys("Kestrom", true);
	std::string val = "untouched";
	EXPECT_EQ(keys.get_key("Autobind Mode", val), -1);
	EXPECT_EQ(val, "untouched");
	EXPECT_EQ(keys.set_key("Autobind Mode", "1"), 0);
	EXPECT_EQ(keys.set_key("Autobind Mode", "0"), 0);  // rewritten, not added
	EXPECT_EQ(keys.get_key("Autobind Mode", val), 0);
	EXPECT_EQ(val, "0");

	sys::ResourceBlock block;
	ASSERT_EQ(block.read_from_file(key_file().c_str()), sys::ResourceBlock::Err_OK);
	ASSERT_EQ(block.use_entries().size(), 1u);
	EXPECT_EQ(block.use_entries()[0].type, sys::ResourceBlock::make_type_code("CSTR"));
	EXPECT_EQ(block.use_entries()[0].size, 1u);  // the text without a terminator

	// A folder whose name holds a backslash, as the MIDI preferences use.
	sys::PersistentKeyList midi("Kestrom\\Tarvelle", true);
	EXPECT_EQ(midi.set_key("NRPN Compatibility", "1"), 0);
	EXPECT_NE(slurp(key_file("Kestrom\\Tarvelle")), "");

	EXPECT_EQ(keys.set_key("", "x"), -1);
	EXPECT_EQ(keys.set_key(std::string(256, 'n'), "x"), -1);
	EXPECT_EQ(keys.set_key(std::string(255, 'n'), "long names fit"), 0);
}

TEST_F(SettingsFolder, DamagedKeyFilesGiveDefaults)
{
	sys::PersistentKeyList keys("Kestrom", true);
	ASSERT_EQ(keys.set_key("MouseCompatibility", "1"), 0);
	const std::string good = slurp(key_file());
	std::string val;
	for (const std::string &bad : {good.substr(0, good.size() - 5), std::string("garbage"), std::string(),
	                               std::string(good.size(), '\xff')})
	{
		spit(key_file(), bad);
		EXPECT_EQ(keys.get_key("MouseCompatibility", val), -1);
	}
	EXPECT_EQ(keys.set_key("MouseCompatibility", "0"), 0);  // starts a sound file again
	EXPECT_EQ(keys.get_key("MouseCompatibility", val), 0);
	EXPECT_EQ(val, "0");
}

// A key file that exists but cannot be read just now keeps every key: the
// write is refused instead of starting a file with only the new key. The
// writer runs as an unprivileged user in a child process, so that a file
// without read permission stops it even when the suite runs as root.
TEST_F(SettingsFolder, AKeyFileThatCannotBeReadIsNeverReplaced)
{
	{
		sys::PersistentKeyList keys("Kestrom", true);
		ASSERT_EQ(keys.set_key("Kept", "yes"), 0);
	}
	const std::string file = key_file();
	const std::string before = slurp(file);
	const std::string dir = file.substr(0, file.rfind('/'));
	ASSERT_EQ(chmod(root.c_str(), 0755), 0);
	ASSERT_EQ(chmod((root + "/tarvelle").c_str(), 0755), 0);
	ASSERT_EQ(chmod(dir.c_str(), 0777), 0);
	ASSERT_EQ(chmod((file + ".lock").c_str(), 0666), 0);
	ASSERT_EQ(chmod(file.c_str(), 0), 0);
	const pid_t pid = fork();
	ASSERT_GE(pid, 0);
	if (pid == 0)
	{
		if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
		{
			_exit(3);
		}
		try
		{
			sys::PersistentKeyList keys("Kestrom", true);
			_exit(keys.set_key("New", "value") == -1 ? 0 : 1);
		}
		catch (...)
		{
			_exit(2);
		}
	}
	int status = 0;
	ASSERT_EQ(waitpid(pid, &status, 0), pid);
	ASSERT_TRUE(WIFEXITED(status));
	EXPECT_EQ(WEXITSTATUS(status), 0) << "the write was not refused";
	ASSERT_EQ(chmod(file.c_str(), 0644), 0);
	EXPECT_EQ(slurp(file), before);
}

TEST_F(SettingsFolder, MouseModeFollowsItsKey)
{
	using Mouse = ruvava::PersistentMouseSettings;
	auto &mouse = Mouse::get_instance();
	sys::PersistentKeyList keys("Kestrom", true);
	const auto stored = [&keys] {
		std::string val = "none";
		keys.get_key("MouseCompatibility", val);
		return val;
	};
	EXPECT_EQ(mouse.update_mouse_behaviour(), Mouse::MouseBehaviour_ENHANCED);
	EXPECT_EQ(stored(), "0");  // the default was written
	keys.set_key("MouseCompatibility", "1");
	EXPECT_EQ(mouse.update_mouse_behaviour(), Mouse::MouseBehaviour_COMPATIBLE);
	keys.set_key("MouseCompatibility", "maybe");
	EXPECT_EQ(mouse.update_mouse_behaviour(), Mouse::MouseBehaviour_ENHANCED);
	EXPECT_EQ(stored(), "0");
	mouse.set_mouse_behaviour(Mouse::MouseBehaviour_COMPATIBLE);
	EXPECT_EQ(stored(), "1");
	EXPECT_EQ(mouse.get_mouse_behaviour(), Mouse::MouseBehaviour_COMPATIBLE);
}

// The second process: this test program again, running only the child test.
namespace
{

int spawn_child(const std::string &role, const std::string &arg)
{
	std::vector<std::string> env_txt = {"TARVELLE_CHILD_ROLE=" + role, "TARVELLE_CHILD_ARG=" + arg};
	for (char **e = environ; *e != nullptr; ++e)
	{
		env_txt.push_back(*e);
	}
	std::vector<char *> env;
	for (auto &s : env_txt)
	{
		env.push_back(&s[0]);
	}
	env.push_back(nullptr);
	char exe[] = "/proc/self/exe", filter[] = "--gtest_filter=PersistentKeysChild.Run", quiet[] = "--gtest_brief=1";
	char *argv[] = {exe, filter, quiet, nullptr};
	// The child's report would read like failures of this run; it speaks
	// through its exit status only.
	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
	pid_t pid = 0;
	const int ret = posix_spawn(&pid, exe, &actions, nullptr, argv, env.data());
	posix_spawn_file_actions_destroy(&actions);
	return ret == 0 ? pid : -1;
}

int wait_child(int pid)
{
	int status = 0;
	waitpid(pid, &status, 0);
	return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// Runs only inside a spawned child: "write N" writes keys p<N>_0..99, "read V"
// checks that "Shared" holds V.
TEST(PersistentKeysChild, Run)
{
	const char *role = std::getenv("TARVELLE_CHILD_ROLE");
	if (role == nullptr)
	{
		GTEST_SKIP() << "the child side of the process tests";
	}
	const std::string arg = std::getenv("TARVELLE_CHILD_ARG");
	sys::PersistentKeyList keys("Kestrom", true);
	if (std::string(role) == "write")
	{
		for (int i = 0; i < 100; ++i)
		{
			ASSERT_EQ(keys.set_key("p" + arg + "_" + std::to_string(i), std::to_string(i)), 0);
		}
	}
	else
	{
		std::string val;
		ASSERT_EQ(keys.get_key("Shared", val), 0);
		EXPECT_EQ(val, arg);
	}
}

TEST_F(SettingsFolder, KeysSurviveIntoANewProcess)
{
	{
		sys::PersistentKeyList keys("Kestrom", true);
		ASSERT_EQ(keys.set_key("Shared", "from the first process"), 0);
	}
	EXPECT_EQ(wait_child(spawn_child("read", "from the first process")), 0);
	EXPECT_NE(wait_child(spawn_child("read", "something else")), 0);  // the child can fail
	EXPECT_EQ(wait_child(spawn_child("write", "9")), 0);
	sys::PersistentKeyList keys("Kestrom", true);
	std::string val;
	EXPECT_EQ(keys.get_key("p9_99", val), 0);
	EXPECT_EQ(val, "99");
}

// Two processes and two threads write at once while a reader keeps reading:
// every read finds a whole file and no writer loses another's keys.
TEST_F(SettingsFolder, ConcurrentWritersNeverTearOrLoseTheFile)
{
	{
		sys::PersistentKeyList keys("Kestrom", true);
		ASSERT_EQ(keys.set_key("Shared", "x"), 0);
	}
	const int a = spawn_child("write", "1");
	const int b = spawn_child("write", "2");
	std::atomic<bool> done{false};
	std::atomic<int> torn{0};
	std::thread reader([&] {
		sys::PersistentKeyList keys("Kestrom", true);
		std::string val;
		while (!done)
		{
			if (keys.get_key("Shared", val) != 0 || val != "x")
			{
				++torn;
			}
		}
	});
	auto write_keys = [](const std::string &prefix) {
		sys::PersistentKeyList keys("Kestrom", true);
		for (int i = 0; i < 100; ++i)
		{
			EXPECT_EQ(keys.set_key(prefix + std::to_string(i), std::to_string(i)), 0);
		}
	};
	std::thread t3(write_keys, "p3_");
	std::thread t4(write_keys, "p4_");
	t3.join();
	t4.join();
	EXPECT_EQ(wait_child(a), 0);
	EXPECT_EQ(wait_child(b), 0);
	done = true;
	reader.join();
	EXPECT_EQ(torn.load(), 0);
	sys::ResourceBlock block;
	ASSERT_EQ(block.read_from_file(key_file().c_str()), sys::ResourceBlock::Err_OK);
	EXPECT_EQ(block.use_entries().size(), 401u);
	EXPECT_EQ(list_dir("tarvelle/Kestrom"), (std::vector<std::string>{"PersistentKeys", "PersistentKeys.lock"}));
}
