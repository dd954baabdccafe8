// Persistent keys stored as text resources of one locked, atomically replaced file.
#include "config/PersistentKeyListImpl.h"

#include "platform/FileLock.h"
#include "platform/Storage.h"
#include "sys/AtomicFile.h"
#include "sys/ResourceBlock.h"

namespace sys
{

namespace
{

const std::uint32_t CSTR = ResourceBlock::make_type_code("CSTR");

}  // namespace

PersistentKeyListImpl::PersistentKeyListImpl(const std::string &file_path)
: _file_path(file_path)
{
}

int PersistentKeyListImpl::get_key(const std::string &name, std::string &value) const
{
	ResourceBlock block;
	if (block.read_from_file(_file_path.c_str()) != ResourceBlock::Err_OK)
	{
		return -1;
	}
	size_t size = 0;
	const unsigned char *data_ptr = block.find(CSTR, name.c_str(), size);
	if (data_ptr == nullptr)
	{
		return -1;
	}
	value.assign(reinterpret_cast<const char *>(data_ptr), size);
	return 0;
}

int PersistentKeyListImpl::set_key(const std::string &name, const std::string &value)
{
	if (name.empty() || name.size() > ResourceBlock::MAX_NAME_LEN || name.find('\0') != std::string::npos)
	{
		return -1;
	}
	platform::FileLock lock((_file_path + ".lock").c_str());
	if (lock.InitCheck() != platform::B_OK)
	{
		return -1;
	}
	// Everything else in the file stays, in its order. Only a missing or a
	// damaged file starts afresh: one that exists but cannot be read just now
	// (an I/O error, no permission) may hold other keys, so it is kept.
	std::vector<ResourceBlock::Resource> res_list;
	ResourceBlock block;
	const int read_ret = block.read_from_file(_file_path.c_str());
	if (read_ret == ResourceBlock::Err_IO && platform::BEntry(_file_path.c_str()).Exists())
	{
		return -1;
	}
	if (read_ret == ResourceBlock::Err_OK)
	{
		for (const ResourceBlock::Entry &e : block.use_entries())
		{
			size_t size = 0;
			const unsigned char *p = block.find(e.type, e.name.c_str(), size);
			res_list.push_back({e.type, e.name, std::vector<unsigned char>(p, p + size)});
		}
	}
	const std::vector<unsigned char> data(value.begin(), value.end());
	bool replaced = false;
	for (ResourceBlock::Resource &r : res_list)
	{
		if (r.type == CSTR && r.name == name)
		{
			r.data = data;
			replaced = true;
			break;
		}
	}
	if (!replaced)
	{
		res_list.push_back({CSTR, name, data});
	}
	const std::vector<unsigned char> bytes = ResourceBlock::build(res_list);
	AtomicFile file;
	if (!file.open(_file_path.c_str(), 0644) || !file.write(bytes.data(), bytes.size()) || !file.commit())
	{
		return -1;
	}
	return 0;
}

}  // namespace sys
