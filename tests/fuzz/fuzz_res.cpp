// Fuzz target: the resource block reader, then every resource it accepts read
// to its last byte.
#include "sys/ResourceBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data_ptr, size_t size)
{
	sys::ResourceBlock block;
	if (block.read_from_memory(data_ptr, size) == sys::ResourceBlock::Err_OK)
	{
		unsigned sum = 0;
		for (const auto &entry : block.use_entries())
		{
			size_t res_size = 0;
			const unsigned char *p = block.find(entry.type, entry.name.c_str(), res_size);
			for (size_t i = 0; p != nullptr && i < res_size; ++i)
			{
				sum += p[i];
			}
		}
		volatile unsigned sink = sum;
		(void)sink;
	}
	return 0;
}
