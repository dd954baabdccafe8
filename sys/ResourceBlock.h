// Reads the resource block at the end of a file (see docs/resource-block.md).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sys
{

class ResourceBlock
{
public:
	static constexpr char MAGIC[8] = {'T', 'V', 'R', 'E', 'S', 'B', 'K', '1'};
	static constexpr size_t TRAILER_SIZE = 32;
	static constexpr size_t MAX_NAME_LEN = 255;

	enum Err
	{
		Err_OK = 0,
		Err_NO_BLOCK = -1,  // no trailer magic: the file carries no block
		Err_CORRUPT = -2,   // sizes or offsets that do not fit
		Err_IO = -3         // the file cannot be read
	};

	struct Entry
	{
		std::uint32_t type;
		std::string name;
		std::uint64_t offset;  // from the block start
		std::uint64_t size;
	};

	// Four characters, most significant first; shorter texts padded with
	// blanks on the most significant side.
	static std::uint32_t make_type_code(const char *type_0) noexcept;

	// Parses a whole file held in memory (only its end is looked at).
	int read_from_memory(const unsigned char *file_ptr, size_t file_size);
	// Reads the block from the end of a file.
	int read_from_file(const char *path_0);

	// The data and size of a resource; null when it does not exist.
	const unsigned char *find(std::uint32_t type, const char *name_0, size_t &size) const;
	const std::vector<Entry> &use_entries() const noexcept
	{
		return _entries;
	}

	// Builds a block from resources (the packing tool and tests use it).
	struct Resource
	{
		std::uint32_t type;
		std::string name;
		std::vector<unsigned char> data;
	};
	static std::vector<unsigned char> build(const std::vector<Resource> &res_list);
	// Size of the block at the end of these bytes (0 when there is none).
	static size_t find_block_size(const unsigned char *file_ptr, size_t file_size);

private:
	int parse(std::vector<unsigned char> &&block);

	std::vector<unsigned char> _block;
	std::vector<Entry> _entries;
};

}  // namespace sys
