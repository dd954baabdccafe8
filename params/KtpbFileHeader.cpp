// Bank file header.
#include "params/KtpbFileHeader.h"

#include "sys/ByteOrder.h"

#include <cstring>

namespace rivo
{

constexpr char KtpbFileHeader::MAGIC[4];

void KtpbFileHeader::set(std::uint32_t length) noexcept
{
	std::memcpy(_magic, MAGIC, sizeof(_magic));
	basic::write_be32(_length_be, length);
}

bool KtpbFileHeader::has_magic() const noexcept
{
	return std::memcmp(_magic, MAGIC, sizeof(_magic)) == 0;
}

std::uint32_t KtpbFileHeader::get_length() const noexcept
{
	return basic::read_be32(_length_be);
}

}  // namespace rivo
