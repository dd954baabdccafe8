// tarvelle-make-fonts OUT_DIR FONT_03_TTF FONT_04_TTF: rasterises the editor's
// two bitmap fonts with FreeType into 'APIC' coverage-font resources, at 1x
// and 2x: font_03 (character height 12) and font_04 (14), and the same twice
// as tall named with "@2x". 256 glyphs, one per Latin-1 code, side by side
// above a marker row alternating 0 and 255; codes the font has no glyph for
// (the control codes among them) show a hollow box. The same inputs always
// give the same bytes.
#include "tools/art/ApicWriter.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

int fail(const std::string &msg)
{
	std::fprintf(stderr, "tarvelle-make-fonts: %s\n", msg.c_str());
	return 1;
}

struct Strip
{
	int32_t width = 0;
	int32_t height = 0;  // character height + the marker row
	std::vector<uint8_t> cover;
};

// The largest pixel size whose ascent and descent fit in char_h rows.
int fit_pixel_size(FT_Face face, int char_h, int &ascent)
{
	for (int px = char_h; px > 1; --px)
	{
		FT_Set_Pixel_Sizes(face, 0, FT_UInt(px));
		ascent = int(std::ceil(double(face->size->metrics.ascender) / 64));
		const int descent = int(std::ceil(double(-face->size->metrics.descender) / 64));
		if (ascent + descent <= char_h)
		{
			return px;
		}
	}
	return 0;
}

bool has_glyph(FT_Face face, int code)
{
	const bool control = code < 32 || (code >= 127 && code < 160);
	return !control && FT_Get_Char_Index(face, FT_ULong(code)) != 0;
}

bool render_strip(Strip &strip, FT_Face face, int char_h, int scale)
{
	int ascent = 0;
	if (fit_pixel_size(face, char_h, ascent) == 0)
	{
		return false;
	}
	std::vector<int> widths(256);
	for (int c = 0; c < 256; ++c)
	{
		if (has_glyph(face, c) && FT_Load_Char(face, FT_ULong(c), FT_LOAD_DEFAULT) == 0)
		{
			widths[size_t(c)] = std::max(1, int(std::lround(double(face->glyph->advance.x) / 64)));
		}
		else
		{
			widths[size_t(c)] = std::max(3, char_h / 2);
		}
	}
	for (int w : widths)
	{
		strip.width += w;
	}
	strip.height = char_h + 1;
	strip.cover.assign(size_t(strip.width) * size_t(strip.height), 0);
	auto at = [&strip](int x, int y) -> uint8_t & { return strip.cover[size_t(y) * size_t(strip.width) + size_t(x)]; };
	int x0 = 0;
	for (int c = 0; c < 256; ++c)
	{
		const int w = widths[size_t(c)];
		if (has_glyph(face, c) && FT_Load_Char(face, FT_ULong(c), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0)
		{
			const FT_Bitmap &bm = face->glyph->bitmap;
			const int left = x0 + face->glyph->bitmap_left;
			const int top = ascent - face->glyph->bitmap_top;
			for (int r = 0; r < int(bm.rows); ++r)
			{
				for (int col = 0; col < int(bm.width); ++col)
				{
					const int x = left + col;
					const int y = top + r;
					if (x >= x0 && x < x0 + w && y >= 0 && y < char_h)
					{
						at(x, y) = std::max(at(x, y), bm.buffer[r * bm.pitch + col]);
					}
				}
			}
		}
		else
		{
			// A hollow box from the baseline up to the height of capitals.
			const int t = scale;
			const int bx0 = x0 + t;
			const int bx1 = x0 + w - t;
			const int by0 = std::max(0, ascent - char_h * 3 / 4);
			const int by1 = std::min(char_h, ascent);
			for (int y = by0; y < by1; ++y)
			{
				for (int x = bx0; x < bx1; ++x)
				{
					const bool edge = x < bx0 + t || x >= bx1 - t || y < by0 + t || y >= by1 - t;
					at(x, y) = edge ? 255 : 0;
				}
			}
		}
		for (int x = x0; x < x0 + w; ++x)
		{
			at(x, char_h) = (c % 2 == 0) ? 0 : 255;
		}
		x0 += w;
	}
	return true;
}

}  // namespace

int main(int argc, char **argv)
{
	if (argc != 4)
	{
		return fail("usage: tarvelle-make-fonts OUT_DIR FONT_03_TTF FONT_04_TTF");
	}
	const std::string out_dir = argv[1];
	struct Spec
	{
		const char *name;
		const char *ttf;
		int char_h;
	};
	const Spec specs[] = {{"font_03", argv[2], 12}, {"font_04", argv[3], 14}};
	FT_Library lib;
	if (FT_Init_FreeType(&lib) != 0)
	{
		return fail("cannot start FreeType");
	}
	int status = 0;
	for (const Spec &spec : specs)
	{
		FT_Face face;
		if (FT_New_Face(lib, spec.ttf, 0, &face) != 0)
		{
			status = fail(std::string("cannot read ") + spec.ttf);
			continue;
		}
		for (int scale : {1, 2})
		{
			Strip strip;
			const std::string path = out_dir + "/" + spec.name + (scale == 2 ? "@2x" : "") + ".apic";
			if (!render_strip(strip, face, spec.char_h * scale, scale) ||
			    !art::ApicWriter::write(path, 2, 0, strip.width, strip.height, {}, strip.cover))
			{
				status = fail("cannot make " + path);
			}
		}
		FT_Done_Face(face);
	}
	FT_Done_FreeType(lib);
	return status;
}
