// A virtual X server for the tests and benchmarks of the X11 window: when
// DISPLAY is unset, starts Xvfb on a free display and sets DISPLAY for the
// process; stops it on destruction.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace testsupport
{

class XvfbServer
{
public:
	XvfbServer()
	{
		const char *d = std::getenv("DISPLAY");
		if (d != nullptr && d[0] != '\0')
		{
			return;
		}
		int fds[2];
		if (pipe(fds) != 0)
		{
			return;
		}
		_pid = fork();
		if (_pid == 0)
		{
			close(fds[0]);
			// It ends with the test, even one that aborts, and holds none of the
			// test's output (CTest waits for that to close). Its notes on
			// displays already taken are noise here.
			prctl(PR_SET_PDEATHSIG, SIGTERM);
			const int null_fd = open("/dev/null", O_WRONLY);
			if (null_fd >= 0)
			{
				dup2(null_fd, 1);
				dup2(null_fd, 2);
			}
			const std::string fd = std::to_string(fds[1]);
			execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
			       "-noreset", static_cast<char *>(nullptr));
			_exit(127);
		}
		close(fds[1]);
		// Xvfb writes the display number once it accepts connections.
		std::string num;
		char c;
		while (_pid > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
		{
			num += c;
		}
		close(fds[0]);
		if (!num.empty())
		{
			setenv("DISPLAY", (":" + num).c_str(), 1);
		}
	}
	~XvfbServer()
	{
		if (_pid > 0)
		{
			kill(_pid, SIGTERM);
			waitpid(_pid, nullptr, 0);
		}
	}
	XvfbServer(const XvfbServer &) = delete;
	XvfbServer &operator=(const XvfbServer &) = delete;

private:
	pid_t _pid = -1;
};

}  // namespace testsupport
