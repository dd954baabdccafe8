// The 8-byte header of preset bank files and bank resources.
#pragma once

#include <cstdint>

namespace rivo
{

struct KtpbFileHeader
{
	static constexpr char MAGIC[4] = {'K', 'T', 'P', 'B'};
	// The file name extension of preset bank files.
	static constexpr const char *FILE_EXT = "pbk";

	char _magic[4];                // "KTPB"
	unsigned char _length_be[4];  // bank data length, big-endian

	void set(std::uint32_t length) noexcept;
	bool has_magic() const noexcept;
	std::uint32_t get_length() const noexcept;
};

static_assert(sizeof(KtpbFileHeader) == 8, "file header layout");

}  // namespace rivo
