// Process-wide resource file.
#include "sys/res_fnc.h"

#include "platform/Kernel.h"

#include <memory>
#include <mutex>

namespace sys
{

namespace
{

struct ResState
{
	std::mutex mutex;  // taken only when setting or clearing, at start-up and shut-down
	std::unique_ptr<ResourceBlock> block_ptr;
	std::string path;
};

ResState &use_state()
{
	static ResState state;
	return state;
}

}  // namespace

int set_res_file(const char *path_0)
{
	ResState &st = use_state();
	std::lock_guard<std::mutex> lock(st.mutex);
	if (st.block_ptr)
	{
		return 0;
	}
	auto block_ptr = std::make_unique<ResourceBlock>();
	if (path_0 == nullptr || block_ptr->read_from_file(path_0) != ResourceBlock::Err_OK)
	{
		return -1;
	}
	st.block_ptr = std::move(block_ptr);
	st.path = path_0;
	return 0;
}

void clear_res_file()
{
	ResState &st = use_state();
	std::lock_guard<std::mutex> lock(st.mutex);
	st.block_ptr.reset();
	st.path.clear();
}

const ResourceBlock *get_res_file()
{
	return use_state().block_ptr.get();
}

std::string get_res_path()
{
	ResState &st = use_state();
	std::lock_guard<std::mutex> lock(st.mutex);
	return st.path;
}

const void *get_resource(const char *type_0, const char *name_0, size_t &size)
{
	size = 0;
	const ResourceBlock *block_ptr = get_res_file();
	if (block_ptr == nullptr || type_0 == nullptr || name_0 == nullptr)
	{
		return nullptr;
	}
	return block_ptr->find(ResourceBlock::make_type_code(type_0), name_0, size);
}

const void *get_resource(const char *type_0, const char *name_0)
{
	size_t size = 0;
	return get_resource(type_0, name_0, size);
}

std::string get_image_path(const void *addr_ptr)
{
	char path[4096];
	return platform::find_image_path(addr_ptr, path, sizeof(path)) == platform::B_OK ? std::string(path)
	                                                                                : std::string();
}

}  // namespace sys
