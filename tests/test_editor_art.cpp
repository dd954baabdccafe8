// The editor's fonts as the built plug-in carries them, the picture table,
// and the generators of both.
#include "gui/AlphaPicData8.h"
#include "gui/FontFactory.h"
#include "gui/PicData8.h"
#include "gui/PicDataFactory.h"
#include "gui/RenderingBufferMem.h"
#include "gui/UnicolorFont.h"
#include "support/TempFolder.h"
#include "sys/res_fnc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
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

// The picture table the editor loads and the art generator draws: 216 rows,
// the backgrounds first, every run of numbered frames whole and in numeric
// order (the editor fetches frame k as the first frame's index + k), sharing
// size and hot point, and the hot points the design fixes.
TEST(PictureTable, RowsInLoadOrderWithWholeFrameRuns)
{
	std::ifstream f(PICTURE_TABLE);
	ASSERT_TRUE(f.good());
	struct Row
	{
		std::string name;
		int hx, hy, w, h;
	};
	std::vector<Row> rows;
	std::string line;
	while (std::getline(f, line))
	{
		std::istringstream in(line.substr(0, line.find('#')));
		Row r;
		if (in >> r.name >> r.hx >> r.hy >> r.w >> r.h)
		{
			rows.push_back(r);
		}
	}
	ASSERT_EQ(rows.size(), 216u);
	const char *bkg[] = {"bkg_27_e", "bkg_27_m", "bkg_27_p", "bkg_27_s"};
	for (int i = 0; i < 4; ++i)
	{
		EXPECT_EQ(rows[size_t(i)].name, bkg[i]);
	}
	std::map<std::string, std::pair<int, int>> hot;
	std::map<std::string, std::vector<int>> frames;  // family -> frame numbers in table order
	for (size_t i = 0; i < rows.size(); ++i)
	{
		const Row &r = rows[i];
		EXPECT_TRUE(hot.emplace(r.name, std::make_pair(r.hx, r.hy)).second) << "twice: " << r.name;
		EXPECT_GT(r.w, 0) << r.name;
		EXPECT_GT(r.h, 0) << r.name;
		// Frames are named family_number, the family itself kind_number ("kn_29_3").
		const size_t us = r.name.rfind('_');
		const std::string tail = r.name.substr(us + 1);
		const bool is_frame = r.name.find('_') < us;
		if (is_frame && !tail.empty() && tail.find_first_not_of("0123456789") == std::string::npos)
		{
			std::vector<int> &list = frames[r.name.substr(0, us)];
			if (!list.empty())
			{
				EXPECT_EQ(rows[i - 1].name, r.name.substr(0, us) + "_" + std::to_string(list.back()))
				   << r.name << " does not follow its family's previous frame";
			}
			list.push_back(std::stoi(tail));
			// A family's frames share their size and hot point, except the
			// depth switches' states, each its own position.
			const std::string first = r.name.substr(0, us) + "_" + std::to_string(list.front());
			const auto fr = std::find_if(rows.begin(), rows.end(), [&first](const Row &x) { return x.name == first; });
			if (r.name.rfind("sw_0", 0) != 0 && fr != rows.end())
			{
				EXPECT_EQ(std::make_pair(r.w, r.h), std::make_pair(fr->w, fr->h)) << r.name;
				if (r.name.rfind("sw_07_", 0) != 0)  // the shape switch's cells lie side by side
				{
					EXPECT_EQ(std::make_pair(r.hx, r.hy), std::make_pair(fr->hx, fr->hy)) << r.name;
				}
			}
		}
	}
	for (const auto &fam : frames)
	{
		for (size_t k = 1; k < fam.second.size(); ++k)
		{
			EXPECT_EQ(fam.second[k], fam.second[k - 1] + 1) << fam.first;
		}
	}
	const std::map<std::string, std::pair<int, int>> given = {
	   {"fd_15", {19, 6}},     {"fd_15_p", {26, 25}},  {"fd_15_s", {22, 23}}, {"fd_16", {8, 9}},
	   {"ff_22_0", {11, 12}},  {"ff_22_3", {11, 12}},  {"kn_29_1", {35, 34}}, {"kn_29_10", {35, 34}},
	   {"kn_29_a", {11, 21}},  {"kn_29_p", {27, 26}},  {"kn_29_s", {35, 34}}, {"kn_29_spn", {4, 4}},
	   {"kn_31_1", {20, 19}},  {"kn_31_15", {20, 19}}, {"kn_32_1", {17, 17}}, {"kn_32_25", {17, 17}},
	   {"sw_08_1", {23, -21}}, {"sw_08_2", {4, 1}},    {"sw_08_3", {0, 31}},  {"sw_08_p", {23, 31}},
	   {"tl_01_0", {5, 5}},    {"tl_01_1", {5, 5}}};
	for (const auto &g : given)
	{
		ASSERT_EQ(hot.count(g.first), 1u) << g.first;
		EXPECT_EQ(hot[g.first], g.second) << g.first;
	}
}

// The art generator draws from the picture table: what it writes loads as
// alpha pictures of the table's size (twice it at 2x), and two runs give
// the same bytes.
TEST(EditorArt, GeneratedPicturesLoadAtTheirSizesAndRepeatExactly)
{
	testsupport::TempFolder a("tarvelle-art");
	testsupport::TempFolder b("tarvelle-art");
	for (const testsupport::TempFolder *dir : {&a, &b})
	{
		const std::string cmd = std::string(MAKE_ART) + " " + PICTURE_TABLE + " " + PANEL_LAYOUT + " " + dir->get_path();
		ASSERT_EQ(std::system(cmd.c_str()), 0);
	}
	struct Case
	{
		const char *name;
		int w, h;
	};
	for (const Case &c : {Case{"kn_29_1", 71, 69}, Case{"kn_29_10", 71, 69}, Case{"ff_27_5", 37, 37}, Case{"tl_01_1", 11, 11}})
	{
		for (int scale : {1, 2})
		{
			const std::string file = std::string(c.name) + (scale == 2 ? "@2x" : "") + ".apic";
			const std::vector<char> bytes = read_file(a.get_path() + "/" + file);
			EXPECT_EQ(bytes, read_file(b.get_path() + "/" + file)) << file;
			std::unique_ptr<PicDataInterface> pic(PicDataFactory::create_from(bytes.data(), bytes.size()));
			ASSERT_NE(dynamic_cast<AlphaPicData8 *>(pic.get()), nullptr) << file;
			EXPECT_EQ(pic->get_size(), Coord2D(c.w * scale, c.h * scale)) << file;
		}
	}
}

// The plug-in carries every picture of the table at 1x and 2x, opaque
// palette pictures for the backgrounds, palette pictures with alpha for the
// rest, each of the size the table gives (twice it at 2x).
TEST(EditorArt, ThePluginCarriesTheWholeTableAtBothScales)
{
	sys::clear_res_file();
	ASSERT_EQ(sys::set_res_file(TARVELLE_SO), 0);
	std::ifstream f(PICTURE_TABLE);
	int rows = 0;
	for (std::string line; std::getline(f, line);)
	{
		std::istringstream in(line.substr(0, line.find('#')));
		std::string name;
		int hx = 0;
		int hy = 0;
		int w = 0;
		int h = 0;
		if (!(in >> name >> hx >> hy >> w >> h))
		{
			continue;
		}
		++rows;
		for (int scale : {1, 2})
		{
			const std::string res = name + (scale == 2 ? "@2x" : "");
			std::unique_ptr<PicDataInterface> pic(PicDataFactory::get_instance().create(res.c_str()));
			ASSERT_NE(pic, nullptr) << res;
			const bool opaque = name.rfind("bkg_", 0) == 0;
			EXPECT_EQ(dynamic_cast<PicData8 *>(pic.get()) != nullptr, opaque) << res;
			EXPECT_EQ(dynamic_cast<AlphaPicData8 *>(pic.get()) != nullptr, !opaque) << res;
			EXPECT_EQ(pic->get_size(), Coord2D(w * scale, h * scale)) << res;
		}
	}
	EXPECT_EQ(rows, 216);
	sys::clear_res_file();
}
