// User preferences kept from one run to the next without being saved
// explicitly: named string values in the file "PersistentKeys" of a folder
// (the key path) in the user settings folder. Open one for each access.
#pragma once

#include <memory>
#include <string>

namespace sys
{

class PersistentKeyListImpl;

class PersistentKeyList
{
public:
	static constexpr const char *FILE_NAME = "PersistentKeys";

	// With create, the folder is made when missing. Throws the C string
	// "sys::PersistentKeyList::PersistentKeyList () : Can't open file." when
	// the settings folder cannot be found or the key folder is missing.
	PersistentKeyList(const std::string &key_path, bool create);
	~PersistentKeyList();

	// 0, or -1 when the key is not there.
	int get_key(const std::string &name, std::string &value) const;
	// 0, or -1 when it could not be written (the file is then as it was).
	int set_key(const std::string &name, const std::string &value);

private:
	std::unique_ptr<PersistentKeyListImpl> _impl;
};

}  // namespace sys
