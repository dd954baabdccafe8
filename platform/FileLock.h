// An exclusive advisory lock on a file, held from construction to
// destruction. It keeps the read-modify-write of a small shared file whole
// between processes and between objects of one process (each lock opens the
// file on its own, so two objects of one process exclude each other too).
#pragma once

#include "platform/Kernel.h"

namespace platform
{

class FileLock
{
public:
	// Creates the lock file when missing and waits for the lock.
	explicit FileLock(const char *path_0);
	FileLock(const FileLock &) = delete;
	FileLock &operator=(const FileLock &) = delete;
	~FileLock();

	status_t InitCheck() const noexcept
	{
		return _fd >= 0 ? B_OK : B_ERROR;
	}

private:
	int _fd = -1;
};

}  // namespace platform
