// Resource block reader and builder.
#include "sys/ResourceBlock.h"

#include "platform/Storage.h"

#include <cstring>
#include <utility>

namespace sys
{

constexpr char ResourceBlock::MAGIC[8];

namespace
{

std::uint32_t get_le32(const unsigned char *p) noexcept
{
	return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

std::uint64_t get_le64(const unsigned char *p) noexcept
{
	return std::uint64_t(get_le32(p)) | (std::uint64_t(get_le32(p + 4)) << 32);
}

void put_le32(std::vector<unsigned char> &v, std::uint32_t x)
{
	for (int i = 0; i < 4; ++i)
	{
		v.push_back(static_cast<unsigned char>(x >> (8 * i)));
	}
}

void put_le64(std::vector<unsigned char> &v, std::uint64_t x)
{
	put_le32(v, std::uint32_t(x));
	put_le32(v, std::uint32_t(x >> 32));
}

constexpr size_t ENTRY_HEADER = 24;

}  // namespace

std::uint32_t ResourceBlock::make_type_code(const char *type_0) noexcept
{
	std::uint32_t code = 0;
	size_t len = 0;
	for (; len < 4 && type_0[len] != '\0'; ++len)
	{
		code = (code << 8) | static_cast<unsigned char>(type_0[len]);
	}
	for (; len < 4; ++len)
	{
		code |= std::uint32_t(' ') << (8 * len);
	}
	return code;
}

size_t ResourceBlock::find_block_size(const unsigned char *file_ptr, size_t file_size)
{
	if (file_ptr == nullptr || file_size < TRAILER_SIZE)
	{
		return 0;
	}
	const unsigned char *trailer_ptr = file_ptr + file_size - TRAILER_SIZE;
	if (std::memcmp(trailer_ptr, MAGIC, sizeof(MAGIC)) != 0)
	{
		return 0;
	}
	const std::uint64_t block_size = get_le64(trailer_ptr + 8);
	return (block_size >= TRAILER_SIZE && block_size <= file_size) ? size_t(block_size) : 0;
}

int ResourceBlock::read_from_memory(const unsigned char *file_ptr, size_t file_size)
{
	_block.clear();
	_entries.clear();
	if (file_ptr == nullptr || file_size < TRAILER_SIZE ||
	    std::memcmp(file_ptr + file_size - TRAILER_SIZE, MAGIC, sizeof(MAGIC)) != 0)
	{
		return Err_NO_BLOCK;
	}
	const size_t block_size = find_block_size(file_ptr, file_size);
	if (block_size == 0)
	{
		return Err_CORRUPT;
	}
	const unsigned char *start_ptr = file_ptr + file_size - block_size;
	return parse(std::vector<unsigned char>(start_ptr, start_ptr + block_size));
}

int ResourceBlock::read_from_file(const char *path_0)
{
	_block.clear();
	_entries.clear();
	platform::BFile file(path_0, platform::B_READ_ONLY);
	off_t file_size = 0;
	if (file.InitCheck() != platform::B_OK || file.GetSize(&file_size) != platform::B_OK)
	{
		return Err_IO;
	}
	if (size_t(file_size) < TRAILER_SIZE)
	{
		return Err_NO_BLOCK;
	}
	unsigned char trailer[TRAILER_SIZE];
	if (file.ReadAt(file_size - off_t(TRAILER_SIZE), trailer, TRAILER_SIZE) != ssize_t(TRAILER_SIZE))
	{
		return Err_IO;
	}
	if (std::memcmp(trailer, MAGIC, sizeof(MAGIC)) != 0)
	{
		return Err_NO_BLOCK;
	}
	const std::uint64_t block_size = get_le64(trailer + 8);
	if (block_size < TRAILER_SIZE || block_size > std::uint64_t(file_size))
	{
		return Err_CORRUPT;
	}
	std::vector<unsigned char> block(static_cast<size_t>(block_size));
	if (file.ReadAt(file_size - off_t(block_size), block.data(), block.size()) != ssize_t(block.size()))
	{
		return Err_IO;
	}
	return parse(std::move(block));
}

int ResourceBlock::parse(std::vector<unsigned char> &&block)
{
	const size_t block_size = block.size();
	const unsigned char *trailer_ptr = block.data() + block_size - TRAILER_SIZE;
	const std::uint64_t table_offset = get_le64(trailer_ptr + 16);
	const std::uint32_t count = get_le32(trailer_ptr + 24);
	const size_t table_end = block_size - TRAILER_SIZE;
	if (table_offset > table_end || count > (table_end - table_offset) / ENTRY_HEADER)
	{
		return Err_CORRUPT;
	}
	std::vector<Entry> entries;
	entries.reserve(count);
	size_t pos = size_t(table_offset);
	for (std::uint32_t i = 0; i < count; ++i)
	{
		if (table_end - pos < ENTRY_HEADER)
		{
			return Err_CORRUPT;
		}
		const unsigned char *e_ptr = block.data() + pos;
		Entry entry;
		entry.type = get_le32(e_ptr);
		const std::uint32_t name_len = get_le32(e_ptr + 4);
		entry.offset = get_le64(e_ptr + 8);
		entry.size = get_le64(e_ptr + 16);
		pos += ENTRY_HEADER;
		if (name_len == 0 || name_len > MAX_NAME_LEN || table_end - pos < name_len ||
		    entry.offset > table_offset || entry.size > table_offset - entry.offset)
		{
			return Err_CORRUPT;
		}
		entry.name.assign(reinterpret_cast<const char *>(block.data() + pos), name_len);
		if (entry.name.find('\0') != std::string::npos)
		{
			return Err_CORRUPT;  // names are looked up as texts
		}
		pos += name_len;
		entries.push_back(std::move(entry));
	}
	_block = std::move(block);
	_entries = std::move(entries);
	return Err_OK;
}

const unsigned char *ResourceBlock::find(std::uint32_t type, const char *name_0, size_t &size) const
{
	for (const Entry &entry : _entries)
	{
		if (entry.type == type && entry.name == name_0)
		{
			size = size_t(entry.size);
			return _block.data() + entry.offset;
		}
	}
	size = 0;
	return nullptr;
}

std::vector<unsigned char> ResourceBlock::build(const std::vector<Resource> &res_list)
{
	std::vector<unsigned char> block;
	std::vector<std::uint64_t> offsets;
	for (const Resource &res : res_list)
	{
		offsets.push_back(block.size());
		block.insert(block.end(), res.data.begin(), res.data.end());
	}
	const std::uint64_t table_offset = block.size();
	for (size_t i = 0; i < res_list.size(); ++i)
	{
		const Resource &res = res_list[i];
		put_le32(block, res.type);
		put_le32(block, std::uint32_t(res.name.size()));
		put_le64(block, offsets[i]);
		put_le64(block, res.data.size());
		block.insert(block.end(), res.name.begin(), res.name.end());
	}
	block.insert(block.end(), MAGIC, MAGIC + sizeof(MAGIC));
	put_le64(block, block.size() + TRAILER_SIZE - sizeof(MAGIC));  // the whole block once the trailer is complete
	put_le64(block, table_offset);
	put_le32(block, std::uint32_t(res_list.size()));
	put_le32(block, 0);
	return block;
}

}  // namespace sys
