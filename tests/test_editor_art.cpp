// The editor's fonts as the built plug-in carries them, and their generator.
#include "gui/FontFactory.h"
#include "gui/RenderingBufferMem.h"
#include "gui/UnicolorFont.h"
#include "support/TempFolder.h"
#include "sys/res_fnc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>

using namespace ruvava;

namespace
{

std::vector<char> read_file(const std::string &path)
{
	std::ifstream f(path, std::ios::binary);
	return std::vector<char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(EditorFonts, ThePluginCarriesBothFontsAtBothScales)
{
	sys::clear_res_file();
	ASSERT_EQ(sys::set_res_file(TARVELLE_SO), 0);
	struct Case
	{
		const char *name;
		int char_h;
	};
	for (const Case &c : {Case{"font_03", 12}, Case{"font_04", 14}, Case{"font_03@2x", 24}, Case{"font_04@2x", 28}})
	{
		std::unique_ptr<FontInterface> font(FontFactory::get_instance().create(c.name));
		ASSERT_NE(font, nullptr) << c.name;
		EXPECT_NE(dynamic_cast<UnicolorFont *>(font.get()), nullptr) << c.name;
		EXPECT_EQ(font->get_char_height(), c.char_h) << c.name;
		const auto &chars = font->use_char_list();
		ASSERT_EQ(chars.size(), 256u) << c.name;
		int32_t sum = 0;
		for (const auto &cd : chars)
		{
			EXPECT_EQ(cd._x, sum) << c.name;
			sum += cd._width;
		}
		EXPECT_EQ(sum, font->get_pic_size()._x) << c.name;

		// Printed, a word leaves ink; a control code (no glyph in the font)
		// shows its box, and the space none.
		auto ink = [&font, &c](const std::string &text) {
			TextFrame frame;
			frame.set_text(text);
			frame.set_size(Coord2D(200, c.char_h));
			frame.set_font_color(0xFFFFFF);
			RenderingBufferMem buf(Coord2D(200, c.char_h));
			buf.fill_buffer(AlphaRGB::from_long(0), 0);
			font->print(Rect(0, 0, 200, c.char_h), buf, frame);
			long sum_g = 0;
			for (int32_t y = 0; y < c.char_h; ++y)
			{
				for (int32_t x = 0; x < 200; ++x)
				{
					sum_g += buf.at(x, y)._g;
				}
			}
			return sum_g;
		};
		EXPECT_GT(ink("Tarvelle"), 255L * c.char_h) << c.name;
		EXPECT_GT(ink("\x01"), 0) << c.name;
		EXPECT_EQ(ink(" "), 0) << c.name;
	}
	sys::clear_res_file();
}

TEST(EditorFonts, TheGeneratorGivesTheSameBytesEveryTime)
{
	testsupport::TempFolder a("tarvelle-fonts");
	testsupport::TempFolder b("tarvelle-fonts");
	for (const testsupport::TempFolder *dir : {&a, &b})
	{
		const std::string cmd = std::string(MAKE_FONTS) + " " + dir->get_path() + " " + FONT_03_TTF + " " + FONT_04_TTF;
		ASSERT_EQ(std::system(cmd.c_str()), 0);
	}
	for (const char *name : {"font_03", "font_04", "font_03@2x", "font_04@2x"})
	{
		const std::vector<char> one = read_file(a.get_path() + "/" + name + ".apic");
		EXPECT_GT(one.size(), 1000u) << name;
		EXPECT_EQ(one, read_file(b.get_path() + "/" + name + ".apic")) << name;
	}
}
