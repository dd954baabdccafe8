// Persistent keys of one key path in the user settings folder.
#include "config/PersistentKeyList.h"

#include "config/PersistentKeyListImpl.h"
#include "platform/Storage.h"
#include "sys/Exception.h"

namespace sys
{

PersistentKeyList::PersistentKeyList(const std::string &key_path, bool create)
{
	platform::BPath dir;
	if (key_path.empty() || platform::find_directory(platform::B_USER_SETTINGS_DIRECTORY, &dir, create) != platform::B_OK ||
	    dir.Append(key_path.c_str()) != platform::B_OK)
	{
		throw basic::Exception("sys::PersistentKeyList::PersistentKeyList () : Can't open file.");
	}
	const bool exists = platform::BEntry(dir.Path()).Exists();
	if (!exists && (!create || platform::create_directory(dir.Path(), 0755) != platform::B_OK))
	{
		throw basic::Exception("sys::PersistentKeyList::PersistentKeyList () : Can't open file.");
	}
	_impl.reset(new PersistentKeyListImpl(std::string(dir.Path()) + "/" + FILE_NAME));
}

PersistentKeyList::~PersistentKeyList() = default;

int PersistentKeyList::get_key(const std::string &name, std::string &value) const
{
	return _impl->get_key(name, value);
}

int PersistentKeyList::set_key(const std::string &name, const std::string &value)
{
	return _impl->set_key(name, value);
}

}  // namespace sys
