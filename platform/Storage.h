// What the system needs of the storage kit: files, paths, entries and the
// user settings folder, on POSIX.
#pragma once

#include "platform/Kernel.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/types.h>

namespace platform
{

enum OpenMode : std::uint32_t
{
	B_READ_ONLY = 0x1,
	B_WRITE_ONLY = 0x2,
	B_CREATE_FILE = 0x4,
	B_ERASE_FILE = 0x8,
	B_FAIL_IF_EXISTS = 0x10
};

// An open file; closed by the destructor.
class BFile
{
public:
	BFile() = default;
	BFile(const char *path_0, std::uint32_t open_mode, int perms = 0664);
	BFile(const BFile &) = delete;
	BFile &operator=(const BFile &) = delete;
	~BFile();

	status_t SetTo(const char *path_0, std::uint32_t open_mode, int perms = 0664);
	status_t InitCheck() const noexcept
	{
		return _fd >= 0 ? B_OK : B_NO_INIT;
	}
	void Unset();
	// Reads or writes as much as it can (retrying short transfers); the byte count or -1.
	ssize_t Read(void *buf_ptr, size_t size);
	ssize_t Write(const void *buf_ptr, size_t size);
	ssize_t ReadAt(off_t pos, void *buf_ptr, size_t size);
	status_t GetSize(off_t *size_ptr) const;
	// Data on the disk before the call returns.
	status_t Sync();

private:
	int _fd = -1;
};

// A path held as text.
class BPath
{
public:
	BPath() = default;
	explicit BPath(const char *path_0)
	{
		SetTo(path_0);
	}
	status_t SetTo(const char *path_0);
	void Unset()
	{
		_path.clear();
	}
	status_t InitCheck() const noexcept
	{
		return _path.empty() ? B_NO_INIT : B_OK;
	}
	// Null when not set.
	const char *Path() const noexcept
	{
		return _path.empty() ? nullptr : _path.c_str();
	}
	const char *Leaf() const noexcept;
	status_t GetParent(BPath *parent_ptr) const;
	status_t Append(const char *leaf_0);

private:
	std::string _path;
};

// A name in the file system, existing or not.
class BEntry
{
public:
	explicit BEntry(const char *path_0) : _path(path_0 != nullptr ? path_0 : "") {}
	bool Exists() const;
	// Atomic replacement of any entry at the new path.
	status_t Rename(const char *new_path_0);
	status_t Remove();

private:
	std::string _path;
};

enum directory_which
{
	B_USER_SETTINGS_DIRECTORY
};

// $XDG_CONFIG_HOME/tarvelle, else ~/.config/tarvelle; created when create_it.
status_t find_directory(directory_which which, BPath *path_ptr, bool create_it = false);
// Creates the folder and any missing parents.
status_t create_directory(const char *path_0, mode_t mode);

}  // namespace platform
