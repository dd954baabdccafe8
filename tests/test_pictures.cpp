// Pictures and fonts read from resource bytes and drawn into memory, against
// values worked out here from the drawing rules.
#include "gui/AlphaPicData24.h"
#include "gui/AlphaPicData8.h"
#include "gui/FontFactory.h"
#include "gui/MulticolorFont.h"
#include "gui/PicData8.h"
#include "gui/PicDataFactory.h"
#include "gui/Picture.h"
#include "gui/RenderingBufferMem.h"
#include "gui/UnicolorFont.h"
#include "support/ApicBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <memory>

using namespace ruvava;
using testsupport::ApicBuilder;

namespace
{

// An alpha picture of w x h pixels, all of palette entry 0 with the given
// alpha, except where set afterwards.
ApicBuilder alpha8(int32_t w, int32_t h, uint8_t alpha, std::vector<uint32_t> palette)
{
	ApicBuilder b;
	b.width = w;
	b.height = h;
	b.palette = std::move(palette);
	for (int32_t i = 0; i < w * h; ++i)
	{
		b.pixels.push_back(0);
		b.pixels.push_back(alpha);
	}
	return b;
}

// Picture data points into its resource bytes, which must outlive it: the
// tests' resources stay until the end.
std::unique_ptr<PicDataInterface> make(std::vector<uint8_t> bytes)
{
	static std::deque<std::vector<uint8_t>> kept;
	kept.push_back(std::move(bytes));
	return std::unique_ptr<PicDataInterface>(PicDataFactory::create_from(kept.back().data(), kept.back().size()));
}

void fill(RenderingBufferMem &buf, long rgb)
{
	buf.fill_buffer(AlphaRGB::from_long(rgb), 0);
}

}  // namespace

TEST(PicDataFactory, TakesWhatTheFormatAllowsAndRefusesDamage)
{
	ApicBuilder opaque;
	opaque.kind = 0;
	opaque.width = 3;
	opaque.height = 2;
	opaque.palette.assign(256, 0x123456);
	opaque.pixels.assign(6, 255);
	auto pic = make(opaque.build());
	ASSERT_NE(pic, nullptr);
	EXPECT_NE(dynamic_cast<PicData8 *>(pic.get()), nullptr);
	EXPECT_EQ(pic->get_size(), Coord2D(3, 2));

	auto refused = [](ApicBuilder b, const char *why) {
		EXPECT_EQ(make(b.build()), nullptr) << why;
	};
	ApicBuilder b = opaque;
	b.palette.push_back(0);
	refused(b, "257 palette entries");
	b = opaque;
	b.header_size = 35;
	refused(b, "header size 35");
	b = opaque;
	b.magic = 0;
	refused(b, "magic 0");
	b = opaque;
	b.depth = 16;
	refused(b, "depth 16");
	b = opaque;
	b.kind = 2;
	refused(b, "a font is not a picture");
	b = opaque;
	b.width = -3;
	refused(b, "negative width");
	b = opaque;
	b.width = 1 << 20;
	refused(b, "absurd width");
	b = opaque;
	b.palette.resize(200);
	refused(b, "an index beyond the palette");
	std::vector<uint8_t> cut = opaque.build();
	cut.pop_back();
	EXPECT_EQ(PicDataFactory::create_from(cut.data(), cut.size()), nullptr) << "one byte short";
	EXPECT_EQ(PicDataFactory::create_from(cut.data(), 35), nullptr) << "no whole header";

	b = alpha8(2, 2, 255, {0xFF0000});
	pic = make(b.build());
	EXPECT_NE(dynamic_cast<AlphaPicData8 *>(pic.get()), nullptr);
	b.depth = 24;
	b.pixels.assign(16, 7);
	b.palette.clear();
	pic = make(b.build());
	EXPECT_NE(dynamic_cast<AlphaPicData24 *>(pic.get()), nullptr);
	EXPECT_EQ(PicDataFactory::get_instance().create("no such picture"), nullptr);
}

// The two alpha classes mix by different formulas: (p - d) a / 256 added to
// d, floored, for palette pictures; (p a + d (255 - a)) / 256 for true colour.
TEST(AlphaPictures, EachMixesByItsOwnFormula)
{
	struct Case
	{
		int a, d, p, want8, want24;
	};
	const Case cases[] = {{128, 0, 255, 127, 127}, {128, 255, 0, 127, 126}, {0, 40, 200, 40, 40},
	                      {255, 40, 200, 200, 200}, {1, 255, 0, 254, 253}, {254, 0, 255, 253, 253}};
	for (const Case &c : cases)
	{
		RenderingBufferMem buf(Coord2D(1, 1));
		const long grey_d = c.d * 0x010101L;
		fill(buf, grey_d);
		auto p8 = make(alpha8(1, 1, uint8_t(c.a), {uint32_t(c.p * 0x010101)}).build());
		p8->blit(Rect(0, 0, 1, 1), buf, Rect(0, 0, 1, 1));
		EXPECT_EQ(buf.at(0, 0)._g, c.want8) << "8-bit, alpha " << c.a;

		ApicBuilder b24;
		b24.depth = 24;
		b24.width = b24.height = 1;
		b24.pixels = {uint8_t(c.p), uint8_t(c.p), uint8_t(c.p), uint8_t(c.a)};
		fill(buf, grey_d);
		make(b24.build())->blit(Rect(0, 0, 1, 1), buf, Rect(0, 0, 1, 1));
		EXPECT_EQ(buf.at(0, 0)._r, c.want24) << "24-bit, alpha " << c.a;
	}
}

TEST(Picture, SourceClipperHotPointAndHits)
{
	auto data = make(alpha8(20, 20, 255, {0xFFFFFF}).build());
	Picture pic(data.get());
	pic.set_src_clipper(Rect(-5, -5, 10, 10));
	EXPECT_EQ(pic.get_src_clipper(), Rect(0, 0, 10, 10));
	pic.set_src_clipper(Rect(10, 10, 5, 5));
	EXPECT_EQ(pic.get_src_clipper(), Rect(0, 0, 0, 0));

	pic.set_src_clipper(Rect(0, 10, 20, 20));  // the strip's second frame
	pic.set_hot(Coord2D(10, 15));
	EXPECT_EQ(pic.get_hot(), Coord2D(10, 15));
	EXPECT_EQ(pic.get_box(), Rect(-10, -15, 10, 5));
	EXPECT_TRUE(pic.check_point(Coord2D(0, 0)));     // data (10, 15): inside the frame
	EXPECT_FALSE(pic.check_point(Coord2D(0, -10)));  // data (10, 5): in the box, not in the frame
	EXPECT_FALSE(pic.check_point(Coord2D(10, 0)));   // beyond the box

	// Buffer pixel (0, 0) shows the picture-frame point (-12, -8), data
	// pixel (-2, 7): the frame (data rows 10 and on) starts two columns and
	// three rows into the buffer.
	RenderingBufferMem buf(Coord2D(8, 8));
	fill(buf, 0);
	EXPECT_EQ(pic.blit(Rect(-12, -8, -4, 0), buf), 1);
	for (int32_t y = 0; y < 8; ++y)
	{
		for (int32_t x = 0; x < 8; ++x)
		{
			EXPECT_EQ(buf.at(x, y)._g, (x >= 2 && y >= 3) ? 255 : 0) << x << "," << y;
		}
	}
	EXPECT_EQ(pic.blit(Rect(30, 30, 38, 38), buf), 0) << "nothing in common";
}

// Sub-pixel positions: within 1e-9 of whole pixels an integer copy; else
// each of the four neighbours weighs its share in 1/256 times its alpha.
TEST(AlphaPictures, SubPixelDrawingWeighsTheFourNeighbours)
{
	ApicBuilder b = alpha8(2, 1, 255, {0x000000, 0xC8C8C8});
	b.pixels[2] = 1;  // right pixel: palette entry 1 (200)
	auto data = make(b.build());
	RenderingBufferMem buf(Coord2D(4, 1));

	fill(buf, 0);
	data->blit_subpix(-1.0000000001f, 0, Coord2D(4, 1), buf, Rect(0, 0, 2, 1));
	EXPECT_EQ(buf.at(1, 0)._g, 0);
	EXPECT_EQ(buf.at(2, 0)._g, 200);

	fill(buf, 0);
	data->blit_subpix(-1.5f, 0, Coord2D(4, 1), buf, Rect(0, 0, 2, 1));
	// Buffer pixel i samples data x = i - 1.5, between data pixels
	// floor(i - 1.5) and the next: weights 128 and 128 of 256, each times alpha 255.
	const int w = 128 * 255;
	EXPECT_EQ(buf.at(0, 0)._g, 0) << "beyond the picture";
	EXPECT_EQ(buf.at(1, 0)._g, 0) << "only the left pixel, of colour 0";
	EXPECT_EQ(buf.at(2, 0)._g, (200 * w) / 65536) << "half of each";
	EXPECT_EQ(buf.at(3, 0)._g, (200 * w) / 65536) << "the right pixel alone, half weighed";

	// A global alpha of one half weighs everything half.
	fill(buf, 0);
	data->do_blit_subpix_alpha(-1, 0, Coord2D(4, 1), buf, Rect(0, 0, 2, 1), 0.5f);
	EXPECT_EQ(buf.at(2, 0)._g, (200 * 128 * 255) / 65536);
}

TEST(AlphaPictures, TurnedAHalfTurnTheyShowUpsideDown)
{
	// A column of three pixels: red, green, blue from the top; hot point at
	// the middle one.
	ApicBuilder b = alpha8(1, 3, 255, {0xFF0000, 0x00FF00, 0x0000FF});
	b.pixels[2] = 1;
	b.pixels[4] = 2;
	auto data = make(b.build());
	Picture pic(data.get());
	pic.set_hot(Coord2D(0, 1));
	RenderingBufferMem buf(Coord2D(1, 3));
	fill(buf, 0);
	// Turned by pi, the point (0, -1) taken to the buffer's top-left pixel
	// lands on the blue pixel: buffer pixel (0, j) samples the data at
	// (0, 2 - j), one pixel up the picture per pixel down the buffer.
	const float pi = 3.14159265f;
	pic.blit_rotate(0, -1, Coord2D(1, 3), pi, buf);
	EXPECT_NEAR(buf.at(0, 0)._b, 255, 3);
	EXPECT_NEAR(buf.at(0, 1)._g, 255, 3);
	EXPECT_NEAR(buf.at(0, 2)._r, 255, 3);
	EXPECT_LE(buf.at(0, 0)._r, 3);
	// Opaque palette pictures do not turn.
	ApicBuilder o;
	o.kind = 0;
	o.width = o.height = 1;
	o.palette = {0xFFFFFF};
	o.pixels = {0};
	auto opaque = make(o.build());
	fill(buf, 0);
	EXPECT_EQ(Picture(opaque.get()).blit_rotate(0, 0, Coord2D(1, 3), 1.0f, buf), 0);
	EXPECT_EQ(buf.at(0, 0)._g, 0);
}

namespace
{

// A coverage font of 256 glyphs (or fewer), glyph c being widths[c] wide
// and fully covered; the marker row alternates 0 and 255.
std::vector<uint8_t> coverage_font(const std::vector<int> &widths, int32_t char_h)
{
	ApicBuilder b;
	b.kind = 2;
	b.depth = 0;
	int32_t w = 0;
	for (int cw : widths)
	{
		w += cw;
	}
	b.width = w;
	b.height = char_h + 1;
	b.pixels.assign(size_t(w) * size_t(char_h), 255);
	for (size_t g = 0; g < widths.size(); ++g)
	{
		b.pixels.insert(b.pixels.end(), size_t(widths[g]), uint8_t((g % 2) ? 255 : 0));
	}
	return b.build();
}

}  // namespace

TEST(Fonts, GlyphsJustificationAndCodesWithoutGlyph)
{
	std::vector<int> widths(256, 1);
	widths['A'] = 6;
	widths['B'] = 5;
	const std::vector<uint8_t> bytes = coverage_font(widths, 3);
	std::unique_ptr<FontInterface> font(FontFactory::create_from(bytes.data(), bytes.size()));
	ASSERT_NE(font, nullptr);
	ASSERT_EQ(font->use_char_list().size(), 256u);
	int32_t sum = 0;
	for (const auto &cd : font->use_char_list())
	{
		sum += cd._width;
	}
	EXPECT_EQ(sum, font->get_pic_size()._x);
	EXPECT_EQ(font->get_char_height(), 3);

	TextFrame frame;
	frame.set_text("AB");
	frame.set_size(Coord2D(40, 3));
	frame.set_font_color(0xFFFFFF);
	auto first_lit = [&](int just) {
		frame.set_justification(just);
		RenderingBufferMem buf(Coord2D(40, 3));
		fill(buf, 0);
		font->print(Rect(0, 0, 40, 3), buf, frame);
		for (int32_t x = 0; x < 40; ++x)
		{
			if (buf.at(x, 1)._g != 0)
			{
				EXPECT_EQ(buf.at(x, 1)._g, 254) << "coverage 255: 255 * 255 / 256";
				return x;
			}
		}
		return -1;
	};
	EXPECT_EQ(first_lit(TextFrame::Justification_LEFT), 0);
	EXPECT_EQ(first_lit(TextFrame::Justification_CENTER), 14);
	EXPECT_EQ(first_lit(TextFrame::Justification_RIGHT), 29);
	EXPECT_EQ(first_lit(7), 29) << "any other value is right";

	// Byte 200 has a glyph here; in a font of 100 glyphs it is skipped, not advanced over.
	frame.set_text(std::string("\xC8") + "A");
	EXPECT_EQ(font->get_line_width(frame), 7);
	const std::vector<uint8_t> small_bytes = coverage_font(std::vector<int>(100, 2), 3);
	std::unique_ptr<FontInterface> small(FontFactory::create_from(small_bytes.data(), small_bytes.size()));
	ASSERT_EQ(small->use_char_list().size(), 100u);
	frame.set_text(std::string("\xC8") + "\x01");
	EXPECT_EQ(small->get_line_width(frame), 2);
}

TEST(Fonts, TheTwoKindsMixAsTheyShould)
{
	// Coverage 128 in colour 200 over 100: 100 + floor(100 * 128 / 256) = 150.
	ApicBuilder u;
	u.kind = 2;
	u.depth = 0;
	u.width = 1;
	u.height = 2;
	u.pixels = {128, 0};
	const std::vector<uint8_t> ub = u.build();
	std::unique_ptr<FontInterface> uni(FontFactory::create_from(ub.data(), ub.size()));
	ASSERT_NE(dynamic_cast<UnicolorFont *>(uni.get()), nullptr);
	RenderingBufferMem buf(Coord2D(1, 1));
	fill(buf, 0x646464);
	uni->blit_char(Rect(0, 0, 1, 1), Coord2D(0, 0), buf, 0xC8C8C8);
	EXPECT_EQ(buf.at(0, 0)._g, 150);

	// The palette font stores transparency: 64 transparent means weight 191.
	ApicBuilder m = alpha8(1, 2, 64, {0xC8C8C8});
	const std::vector<uint8_t> mb = m.build();
	std::unique_ptr<FontInterface> multi(FontFactory::create_from(mb.data(), mb.size()));
	ASSERT_NE(dynamic_cast<MulticolorFont *>(multi.get()), nullptr);
	fill(buf, 0x646464);
	multi->blit_char(Rect(0, 0, 1, 1), Coord2D(0, 0), buf, 0);
	EXPECT_EQ(buf.at(0, 0)._g, 100 + (100 * 191) / 256);
	// Drawing outside the buffer is cut, never written.
	multi->blit_char(Rect(0, 0, 1, 1), Coord2D(5, -3), buf, 0);
	EXPECT_EQ(FontFactory::create_from(mb.data(), mb.size() - 1), nullptr);
}
