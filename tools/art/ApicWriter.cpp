// 'APIC' writer.
#include "tools/art/ApicWriter.h"

#include <cstdio>

namespace art
{

bool ApicWriter::write(const std::string &path, int32_t kind, int32_t depth, int32_t width, int32_t height,
                       const std::vector<uint32_t> &palette, const std::vector<uint8_t> &pixels)
{
	std::vector<uint8_t> out;
	auto put = [&out](uint32_t v) {
		for (int i = 0; i < 4; ++i)
		{
			out.push_back(uint8_t(v >> (8 * i)));
		}
	};
	const int32_t pal = int32_t(palette.size());
	for (int32_t v : {-1, 36, kind, depth, width, height, pal, 36 + 4 * pal, 36})
	{
		put(uint32_t(v));
	}
	for (uint32_t c : palette)
	{
		put(c & 0xFFFFFF);
	}
	out.insert(out.end(), pixels.begin(), pixels.end());
	FILE *f = std::fopen(path.c_str(), "wb");
	if (f == nullptr)
	{
		return false;
	}
	const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
	return (std::fclose(f) == 0) && ok;
}

}  // namespace art
