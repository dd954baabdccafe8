// Starting a helper program (the web browser) from inside a host process.
#include "platform/Kernel.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

extern char **environ;

namespace platform
{

namespace
{

std::string find_on_path(const char *name_0)
{
	if (name_0 == nullptr || name_0[0] == '\0')
	{
		return std::string();
	}
	if (std::string(name_0).find('/') != std::string::npos)
	{
		return (access(name_0, X_OK) == 0) ? std::string(name_0) : std::string();
	}
	const char *path_0 = std::getenv("PATH");
	std::string path = (path_0 != nullptr) ? path_0 : "/usr/local/bin:/usr/bin:/bin";
	size_t start = 0;
	while (start <= path.size())
	{
		const size_t end = std::min(path.find(':', start), path.size());
		const std::string dir = path.substr(start, end - start);
		const std::string cand = (dir.empty() ? std::string(".") : dir) + "/" + name_0;
		if (access(cand.c_str(), X_OK) == 0)
		{
			return cand;
		}
		start = end + 1;
	}
	return std::string();
}

}  // namespace

status_t launch_detached(const char *const argv[])
{
	const std::string exe = find_on_path((argv != nullptr) ? argv[0] : nullptr);
	if (exe.empty())
	{
		return B_ENTRY_NOT_FOUND;
	}
	// Everything the children need is prepared here: between fork and exec a
	// threaded host's child may only make async-signal-safe calls.
	std::vector<char *> args;
	for (const char *const *a = argv; *a != nullptr; ++a)
	{
		args.push_back(const_cast<char *>(*a));
	}
	args.push_back(nullptr);
	struct rlimit lim;
	const int max_fd = (getrlimit(RLIMIT_NOFILE, &lim) == 0 && lim.rlim_cur < 65536) ? int(lim.rlim_cur) : 65536;

	const pid_t child = fork();
	if (child < 0)
	{
		return B_ERROR;
	}
	if (child == 0)
	{
		setsid();
		// The grandchild belongs to init once the child is gone: no zombie here.
		if (fork() != 0)
		{
			_exit(0);
		}
		const int null_fd = open("/dev/null", O_RDWR);
		for (int fd = 0; fd < 3 && null_fd >= 0; ++fd)
		{
			dup2(null_fd, fd);
		}
		for (int fd = 3; fd < max_fd; ++fd)
		{
			close(fd);
		}
		execve(exe.c_str(), args.data(), environ);
		_exit(127);
	}
	int status = 0;
	while (waitpid(child, &status, 0) < 0 && errno == EINTR)
	{
	}
	return B_OK;
}

}  // namespace platform
