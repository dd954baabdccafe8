// Builds 'APIC' picture resources byte by byte, as the resource block holds them.
#pragma once

#include <cstdint>
#include <vector>

namespace testsupport
{

struct ApicBuilder
{
	int32_t magic = -1;
	int32_t header_size = 36;
	int32_t kind = 1;
	int32_t depth = 8;
	int32_t width = 0;
	int32_t height = 0;
	std::vector<uint32_t> palette;  // 0x00RRGGBB
	std::vector<uint8_t> pixels;    // the pixel records, row by row

	std::vector<uint8_t> build() const
	{
		std::vector<uint8_t> out;
		auto put = [&out](uint32_t v) {
			for (int i = 0; i < 4; ++i)
			{
				out.push_back(uint8_t(v >> (8 * i)));
			}
		};
		const uint32_t pal = uint32_t(palette.size());
		for (int32_t v : {magic, header_size, kind, depth, width, height, int32_t(pal), int32_t(36 + 4 * pal), 36})
		{
			put(uint32_t(v));
		}
		for (uint32_t c : palette)
		{
			put(c & 0xFFFFFF);
		}
		out.insert(out.end(), pixels.begin(), pixels.end());
		return out;
	}
};

}  // namespace testsupport
