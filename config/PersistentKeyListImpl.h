// The key file behind PersistentKeyList: named string values stored as
// 'CSTR' resources of a standalone resource block. Readers take the file as
// it is; writers hold a lock beside it for the read-modify-write and replace
// the file by a rename, so a reader sees the old or the new file, never a
// torn one, and two writers never lose each other's keys.
#pragma once

#include <string>

namespace sys
{

class PersistentKeyListImpl
{
public:
	explicit PersistentKeyListImpl(const std::string &file_path);

	int get_key(const std::string &name, std::string &value) const;
	int set_key(const std::string &name, const std::string &value);
	const std::string &get_file_path() const noexcept
	{
		return _file_path;
	}

private:
	std::string _file_path;
};

}  // namespace sys
