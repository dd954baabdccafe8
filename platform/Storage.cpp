// Storage services on POSIX.
#include "platform/Storage.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

BFile::BFile(const char *path_0, std::uint32_t open_mode, int perms)
{
	SetTo(path_0, open_mode, perms);
}

BFile::~BFile()
{
	Unset();
}

status_t BFile::SetTo(const char *path_0, std::uint32_t open_mode, int perms)
{
	Unset();
	if (path_0 == nullptr)
	{
		return B_NO_INIT;
	}
	int flags = O_CLOEXEC;
	flags |= (open_mode & B_WRITE_ONLY) ? ((open_mode & B_READ_ONLY) ? O_RDWR : O_WRONLY) : O_RDONLY;
	flags |= (open_mode & B_CREATE_FILE) ? O_CREAT : 0;
	flags |= (open_mode & B_ERASE_FILE) ? O_TRUNC : 0;
	flags |= (open_mode & B_FAIL_IF_EXISTS) ? O_EXCL : 0;
	do
	{
		_fd = ::open(path_0, flags, perms);
	} while (_fd < 0 && errno == EINTR);
	return _fd >= 0 ? B_OK : (errno == ENOENT ? B_ENTRY_NOT_FOUND : B_ERROR);
}

void BFile::Unset()
{
	if (_fd >= 0)
	{
		::close(_fd);
		_fd = -1;
	}
}

ssize_t BFile::Read(void *buf_ptr, size_t size)
{
	size_t done = 0;
	while (_fd >= 0 && done < size)
	{
		const ssize_t n = ::read(_fd, static_cast<char *>(buf_ptr) + done, size - done);
		if (n < 0 && errno == EINTR)
		{
			continue;
		}
		if (n <= 0)
		{
			return n < 0 && done == 0 ? -1 : ssize_t(done);
		}
		done += size_t(n);
	}
	return _fd >= 0 ? ssize_t(done) : -1;
}

ssize_t BFile::ReadAt(off_t pos, void *buf_ptr, size_t size)
{
	if (_fd < 0 || ::lseek(_fd, pos, SEEK_SET) != pos)
	{
		return -1;
	}
	return Read(buf_ptr, size);
}

ssize_t BFile::Write(const void *buf_ptr, size_t size)
{
	size_t done = 0;
	while (_fd >= 0 && done < size)
	{
		const ssize_t n = ::write(_fd, static_cast<const char *>(buf_ptr) + done, size - done);
		if (n < 0 && errno == EINTR)
		{
			continue;
		}
		if (n <= 0)
		{
			return done == 0 ? -1 : ssize_t(done);
		}
		done += size_t(n);
	}
	return _fd >= 0 ? ssize_t(done) : -1;
}

status_t BFile::GetSize(off_t *size_ptr) const
{
	struct stat st;
	if (_fd < 0 || ::fstat(_fd, &st) != 0)
	{
		return B_ERROR;
	}
	*size_ptr = st.st_size;
	return B_OK;
}

status_t BFile::Sync()
{
	return (_fd >= 0 && ::fsync(_fd) == 0) ? B_OK : B_ERROR;
}

status_t BPath::SetTo(const char *path_0)
{
	_path = (path_0 != nullptr) ? path_0 : "";
	while (_path.size() > 1 && _path.back() == '/')
	{
		_path.pop_back();
	}
	return InitCheck();
}

const char *BPath::Leaf() const noexcept
{
	if (_path.empty())
	{
		return nullptr;
	}
	const size_t slash = _path.rfind('/');
	return _path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

status_t BPath::GetParent(BPath *parent_ptr) const
{
	const size_t slash = _path.rfind('/');
	if (_path.empty() || slash == std::string::npos)
	{
		return B_ENTRY_NOT_FOUND;
	}
	return parent_ptr->SetTo(slash == 0 ? "/" : _path.substr(0, slash).c_str());
}

status_t BPath::Append(const char *leaf_0)
{
	if (_path.empty() || leaf_0 == nullptr || *leaf_0 == '\0')
	{
		return B_NO_INIT;
	}
	if (_path.back() != '/')
	{
		_path += '/';
	}
	_path += leaf_0;
	return B_OK;
}

bool BEntry::Exists() const
{
	struct stat st;
	return !_path.empty() && ::stat(_path.c_str(), &st) == 0;
}

status_t BEntry::Rename(const char *new_path_0)
{
	if (_path.empty() || new_path_0 == nullptr || ::rename(_path.c_str(), new_path_0) != 0)
	{
		return B_ERROR;
	}
	_path = new_path_0;
	return B_OK;
}

status_t BEntry::Remove()
{
	return (!_path.empty() && ::unlink(_path.c_str()) == 0) ? B_OK : B_ERROR;
}

status_t create_directory(const char *path_0, mode_t mode)
{
	if (path_0 == nullptr || *path_0 == '\0')
	{
		return B_NO_INIT;
	}
	std::string path(path_0);
	for (size_t pos = 1; pos <= path.size(); ++pos)
	{
		if (pos == path.size() || path[pos] == '/')
		{
			const std::string part = path.substr(0, pos);
			if (::mkdir(part.c_str(), mode) != 0 && errno != EEXIST)
			{
				return B_ERROR;
			}
		}
	}
	struct stat st;
	return (::stat(path_0, &st) == 0 && S_ISDIR(st.st_mode)) ? B_OK : B_ERROR;
}

status_t find_directory(directory_which which, BPath *path_ptr, bool create_it)
{
	if (which != B_USER_SETTINGS_DIRECTORY || path_ptr == nullptr)
	{
		return B_ERROR;
	}
	std::string base;
	const char *xdg_0 = std::getenv("XDG_CONFIG_HOME");
	if (xdg_0 != nullptr && xdg_0[0] == '/')  // relative values are to be ignored
	{
		base = xdg_0;
	}
	else
	{
		const char *home_0 = std::getenv("HOME");
		if (home_0 == nullptr || home_0[0] == '\0')
		{
			const passwd *pw_ptr = ::getpwuid(::getuid());
			home_0 = (pw_ptr != nullptr) ? pw_ptr->pw_dir : nullptr;
		}
		if (home_0 == nullptr)
		{
			return B_ENTRY_NOT_FOUND;
		}
		base = std::string(home_0) + "/.config";
	}
	const std::string dir = base + "/tarvelle";
	if (create_it && create_directory(dir.c_str(), 0755) != B_OK)
	{
		return B_ERROR;
	}
	return path_ptr->SetTo(dir.c_str());
}

}  // namespace platform
