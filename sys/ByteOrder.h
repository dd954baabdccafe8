// Big-endian reading and writing of the exchanged formats (chunks, banks, files).
#pragma once

#include <cstdint>
#include <cstring>

namespace basic
{

inline void write_be16(unsigned char *p, std::uint16_t v) noexcept
{
	p[0] = static_cast<unsigned char>(v >> 8);
	p[1] = static_cast<unsigned char>(v);
}

inline void write_be32(unsigned char *p, std::uint32_t v) noexcept
{
	p[0] = static_cast<unsigned char>(v >> 24);
	p[1] = static_cast<unsigned char>(v >> 16);
	p[2] = static_cast<unsigned char>(v >> 8);
	p[3] = static_cast<unsigned char>(v);
}

inline void write_be_float(unsigned char *p, float v) noexcept
{
	std::uint32_t bits;
	std::memcpy(&bits, &v, sizeof(bits));
	write_be32(p, bits);
}

inline std::uint16_t read_be16(const unsigned char *p) noexcept
{
	return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

inline std::uint32_t read_be32(const unsigned char *p) noexcept
{
	return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
	       std::uint32_t(p[3]);
}

inline float read_be_float(const unsigned char *p) noexcept
{
	const std::uint32_t bits = read_be32(p);
	float v;
	std::memcpy(&v, &bits, sizeof(v));
	return v;
}

}  // namespace basic
