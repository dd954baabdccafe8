// An exclusive advisory lock on a file, held for the object's lifetime.
#include "platform/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform
{

FileLock::FileLock(const char *path_0)
{
	_fd = ::open(path_0, O_RDWR | O_CREAT | O_CLOEXEC, 0664);
	if (_fd < 0)
	{
		return;
	}
	int ret;
	do
	{
		ret = ::flock(_fd, LOCK_EX);
	} while (ret != 0 && errno == EINTR);
	if (ret != 0)
	{
		::close(_fd);
		_fd = -1;
	}
}

FileLock::~FileLock()
{
	if (_fd >= 0)
	{
		::flock(_fd, LOCK_UN);
		::close(_fd);
	}
}

}  // namespace platform
