// Picture resource header.
#include "gui/ApicHeader.h"

namespace ruvava
{

namespace
{

int64_t read_le32(const uint8_t *ptr) noexcept
{
	return int32_t(uint32_t(ptr[0]) | (uint32_t(ptr[1]) << 8) | (uint32_t(ptr[2]) << 16) | (uint32_t(ptr[3]) << 24));
}

}  // namespace

int32_t ApicHeader::get_bytes_per_pixel() const noexcept
{
	if (_kind == Kind_OPAQUE && _depth == 8)
	{
		return 1;
	}
	if (_kind == Kind_ALPHA && _depth == 8)
	{
		return 2;
	}
	if ((_kind == Kind_OPAQUE || _kind == Kind_ALPHA) && _depth == 24)
	{
		return 4;
	}
	if (_kind == Kind_FONT && _depth == 0)
	{
		return 1;
	}
	return 0;
}

bool ApicHeader::read(const void *data_ptr, size_t size) noexcept
{
	const uint8_t *ptr = static_cast<const uint8_t *>(data_ptr);
	if (ptr == nullptr || size < size_t(HEADER_SIZE))
	{
		return false;
	}
	const int64_t magic = read_le32(ptr);
	const int64_t header_size = read_le32(ptr + 4);
	_kind = int32_t(read_le32(ptr + 8));
	_depth = int32_t(read_le32(ptr + 12));
	_width = int32_t(read_le32(ptr + 16));
	_height = int32_t(read_le32(ptr + 20));
	_palette_size = int32_t(read_le32(ptr + 24));
	const int64_t pixel_off = read_le32(ptr + 28);
	const int64_t palette_off = read_le32(ptr + 32);
	const int64_t bpp = get_bytes_per_pixel();
	const int64_t total = int64_t(size);
	if (magic == 0 || header_size < HEADER_SIZE || header_size > total || bpp == 0)
	{
		return false;
	}
	if (_width < 0 || _height < 0 || _width > MAX_SIDE || _height > MAX_SIDE || _palette_size < 0 ||
	    _palette_size > MAX_PALETTE)
	{
		return false;
	}
	if (palette_off < 0 || palette_off + 4 * int64_t(_palette_size) > total || pixel_off < 0 ||
	    pixel_off + int64_t(_width) * _height * bpp > total)
	{
		return false;
	}
	_palette_ptr = reinterpret_cast<const AlphaRGB *>(ptr + palette_off);
	_pixel_ptr = ptr + pixel_off;
	return _depth != 8 || check_indices();
}

bool ApicHeader::check_indices() const noexcept
{
	if (_palette_size == MAX_PALETTE)
	{
		return true;
	}
	const size_t n = size_t(_width) * size_t(_height);
	const size_t step = size_t(get_bytes_per_pixel());
	for (size_t i = 0; i < n; ++i)
	{
		if (_pixel_ptr[i * step] >= _palette_size)
		{
			return false;
		}
	}
	return true;
}

}  // namespace ruvava
