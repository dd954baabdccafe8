// The header of an 'APIC' picture resource, read and checked: every part it
// announces lies inside the resource's bytes, and every palette index of the
// pixels has its palette entry.
#pragma once

#include "gui/AlphaRGB.h"

#include <cstddef>
#include <cstdint>

namespace ruvava
{

class ApicHeader
{
public:
	enum Kind
	{
		Kind_OPAQUE = 0,
		Kind_ALPHA = 1,
		Kind_FONT = 2
	};
	static constexpr int32_t HEADER_SIZE = 36;
	static constexpr int32_t MAX_PALETTE = 256;
	static constexpr int32_t MAX_SIDE = 16384;  // larger sides are taken for damage

	// False when the resource cannot be read safely.
	bool read(const void *data_ptr, size_t size) noexcept;
	int32_t get_bytes_per_pixel() const noexcept;

	int32_t _kind = 0;
	int32_t _depth = 0;
	int32_t _width = 0;
	int32_t _height = 0;
	int32_t _palette_size = 0;
	const AlphaRGB *_palette_ptr = nullptr;
	const uint8_t *_pixel_ptr = nullptr;

private:
	bool check_indices() const noexcept;
};

}  // namespace ruvava
