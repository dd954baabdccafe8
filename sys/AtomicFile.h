// Writes a file so that readers only ever see the old or the complete new
// content: the data goes to a temporary file in the same folder, which
// replaces the old file by a rename once it is completely written.
#pragma once

#include "platform/Storage.h"

#include <string>

namespace sys
{

class AtomicFile
{
public:
	AtomicFile() = default;
	AtomicFile(const AtomicFile &) = delete;
	AtomicFile &operator=(const AtomicFile &) = delete;
	// Without commit() the temporary file is removed and the old file stays.
	~AtomicFile();

	// Creates the temporary file beside path_0; false when that is impossible.
	bool open(const char *path_0, int perms = 0664);
	// False on a short write; the write may be retried by the caller's choice.
	bool write(const void *data_ptr, size_t size);
	// Flushes to disk and renames over the target; false if that fails (the
	// temporary file is then removed and the old file is untouched).
	bool commit();
	void abort();

private:
	platform::BFile _file;
	std::string _path;
	std::string _tmp_path;
};

}  // namespace sys
