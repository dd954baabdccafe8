// Atomic file replacement.
#include "sys/AtomicFile.h"

#include "platform/Kernel.h"

#include <atomic>

namespace sys
{

AtomicFile::~AtomicFile()
{
	abort();
}

bool AtomicFile::open(const char *path_0, int perms)
{
	abort();
	if (path_0 == nullptr || *path_0 == '\0')
	{
		return false;
	}
	static std::atomic<unsigned> counter{0};
	// Unique among processes (pid) and among the threads and objects of one (counter).
	for (int attempt = 0; attempt < 100; ++attempt)
	{
		_tmp_path = std::string(path_0) + ".tmp-" + std::to_string(platform::current_team()) + "-" +
		            std::to_string(counter.fetch_add(1));
		if (_file.SetTo(_tmp_path.c_str(), platform::B_WRITE_ONLY | platform::B_CREATE_FILE | platform::B_FAIL_IF_EXISTS,
		                perms) == platform::B_OK)
		{
			_path = path_0;
			return true;
		}
	}
	_tmp_path.clear();
	return false;
}

bool AtomicFile::write(const void *data_ptr, size_t size)
{
	return _file.InitCheck() == platform::B_OK && _file.Write(data_ptr, size) == ssize_t(size);
}

bool AtomicFile::commit()
{
	if (_file.InitCheck() != platform::B_OK)
	{
		return false;
	}
	const bool synced = (_file.Sync() == platform::B_OK);
	_file.Unset();
	platform::BEntry tmp(_tmp_path.c_str());
	if (!synced || tmp.Rename(_path.c_str()) != platform::B_OK)
	{
		tmp.Remove();
		_tmp_path.clear();
		return false;
	}
	_tmp_path.clear();
	return true;
}

void AtomicFile::abort()
{
	_file.Unset();
	if (!_tmp_path.empty())
	{
		platform::BEntry(_tmp_path.c_str()).Remove();
		_tmp_path.clear();
	}
}

}  // namespace sys
