// Writes 'APIC' picture resources: header, palette, pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace art
{

class ApicWriter
{
public:
	// palette: 0x00RRGGBB entries; pixels: the records, row by row. False when
	// the file cannot be written.
	static bool write(const std::string &path, int32_t kind, int32_t depth, int32_t width, int32_t height,
	                  const std::vector<uint32_t> &palette, const std::vector<uint8_t> &pixels);
};

}  // namespace art
