// Reduces drawn pictures to at most 256 colours, deterministically: a
// median cut weighted by opacity, then each pixel to its nearest colour
// (opaque pictures with ordered dithering, so gradients do not band).
#pragma once

#include <cstdint>
#include <vector>

namespace art
{

struct Rgba
{
	uint8_t r;
	uint8_t g;
	uint8_t b;
	uint8_t a;  // straight, not premultiplied
};

class PaletteQuantizer
{
public:
	// 0x00RRGGBB entries, at most max_colours (1..256), at least one.
	static std::vector<uint32_t> make_palette(const std::vector<Rgba> &pix, int max_colours);
	// (index, alpha) records; fully transparent pixels get index 0.
	static std::vector<uint8_t> map_alpha(const std::vector<Rgba> &pix, const std::vector<uint32_t> &palette);
	// Palette indices, with an 8 x 8 ordered dither of the given spread (in
	// colour steps of 0..255) added before the nearest colour is chosen.
	static std::vector<uint8_t> map_dithered(const std::vector<Rgba> &pix, int width,
	                                         const std::vector<uint32_t> &palette, float spread);

private:
	static int nearest(const std::vector<uint32_t> &palette, float r, float g, float b);
};

}  // namespace art
