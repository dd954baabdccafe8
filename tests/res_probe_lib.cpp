// A small shared object carrying a resource block, as the plug-in does: it
// finds its own file and reads its resource from there.
#include "sys/res_fnc.h"

#include <cstring>
#include <string>

extern "C" __attribute__((visibility("default"))) long res_probe(char *buf_ptr, long len)
{
	const std::string path = sys::get_image_path(reinterpret_cast<const void *>(&res_probe));
	if (sys::set_res_file(path.c_str()) != 0)
	{
		return -1;
	}
	size_t size = 0;
	const void *data_ptr = sys::get_resource("TEST", "greeting", size);
	if (data_ptr == nullptr || len < 1)
	{
		return -2;
	}
	const size_t n = size < size_t(len - 1) ? size : size_t(len - 1);
	std::memcpy(buf_ptr, data_ptr, n);
	buf_ptr[n] = '\0';
	return long(size);
}
