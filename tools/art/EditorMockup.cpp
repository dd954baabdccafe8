// Editor mock-up.
#include "tools/art/EditorMockup.h"

#include "gui/FontFactory.h"
#include "gui/PicDataFactory.h"
#include "tools/art/PicTable.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

using namespace ruvava;

namespace art
{

namespace
{

constexpr double PI = 3.14159265358979323846;

}  // namespace

EditorMockup::EditorMockup(const std::string &art_dir, int scale)
: _dir(art_dir), _scale(scale), _buf(Coord2D(601 * scale, 563 * scale))
{
}

bool EditorMockup::read(const std::string &table_path, const std::string &layout_path)
{
	std::vector<PicRow> rows;
	if (!PicTable::read(table_path, rows))
	{
		return false;
	}
	for (const PicRow &r : rows)
	{
		_hot[r.name] = Coord2D(r.hot_x, r.hot_y);
	}
	return _layout.read(layout_path);
}

void EditorMockup::put(const std::string &name, double x, double y, float angle)
{
	Picture *pic = load(name);
	if (pic == nullptr)
	{
		std::fprintf(stderr, "editor mock-up: no picture %s\n", name.c_str());
		_missing = true;
		return;
	}
	const double s = _scale;
	pic->blit_rotate(float(-x * s), float(-y * s), _buf.get_size(), angle, _buf);
}

// A knob at a middle value: graduation, the middle frame, the spot at the top.
void EditorMockup::knob(const std::string &kind, int frames, double spot_r, int x, int y)
{
	put(kind + "_p", x, y);
	put(kind + "_" + std::to_string(frames / 2 + 1), x, y);
	put(kind + "_spn", x, y - spot_r);
}

void EditorMockup::text(const char *font_name, const std::string &txt, int x, int y, int w, int h, long colour,
                        int just)
{
	FontInterface *font = load_font(font_name);
	if (font == nullptr)
	{
		_missing = true;
		return;
	}
	TextFrame frame;
	frame.set_text(txt);
	frame.set_font_color(colour);
	frame.set_justification(just);
	frame.set_size(Coord2D(w * _scale, h * _scale));
	font->print(Rect(-x * _scale, -y * _scale, -x * _scale + _buf.get_size()._x, -y * _scale + _buf.get_size()._y),
	            _buf, frame);
}

const std::vector<char> *EditorMockup::bytes(const std::string &name)
{
	std::ifstream f(_dir + "/" + name + (_scale == 2 ? "@2x" : "") + ".apic", std::ios::binary);
	if (!f)
	{
		return nullptr;
	}
	_bytes.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
	return &_bytes.back();
}

Picture *EditorMockup::load(const std::string &name)
{
	auto it = _pics.find(name);
	if (it != _pics.end())
	{
		return it->second.get();
	}
	const std::vector<char> *b = bytes(name);
	if (b == nullptr || _hot.count(name) == 0)
	{
		return nullptr;
	}
	_data.emplace_back(PicDataFactory::create_from(b->data(), b->size()));
	if (!_data.back())
	{
		return nullptr;
	}
	auto pic = std::make_unique<Picture>(_data.back().get());
	pic->set_hot(Coord2D(_hot[name]._x * _scale, _hot[name]._y * _scale));
	return (_pics[name] = std::move(pic)).get();
}

FontInterface *EditorMockup::load_font(const std::string &name)
{
	auto it = _fonts.find(name);
	if (it != _fonts.end())
	{
		return it->second.get();
	}
	const std::vector<char> *b = bytes(name);
	if (b == nullptr)
	{
		return nullptr;
	}
	return (_fonts[name] = std::unique_ptr<FontInterface>(FontFactory::create_from(b->data(), b->size()))).get();
}

bool EditorMockup::compose()
{
	const PanelLayout &lay = _layout;
	EditorMockup &m = *this;
	m.put("bkg_27_e", 0, 0);
	m.put("bkg_27_m", 0, 95);
	m.put("bkg_27_p", 405, 0);
	m.put("bkg_27_s", 0, 540);
	auto at = [&lay](const std::string &name) { return lay._origins.at(name); };
	for (int v = 1; v <= 4; ++v)
	{
		const std::string p = "v" + std::to_string(v) + ".";
		m.knob("kn_31", 15, 15, at(p + "gain").first, at(p + "gain").second);
		m.knob("kn_31", 15, 15, at(p + "pan").first, at(p + "pan").second);
		m.knob("kn_29", 10, 30, at(p + "period").first, at(p + "period").second);
		m.put("kn_30_p", at(p + "phase").first, at(p + "phase").second);
		m.put("kn_30_spn", at(p + "phase").first, at(p + "phase").second - 10, float(PI / 2));
		m.put("ff_23_0", at(p + "hold").first, at(p + "hold").second);
		const std::string sw = (v % 2 == 1) ? "sw_08" : "sw_09";
		m.put(sw + "_p", at(p + "depth").first, at(p + "depth").second);
		m.put(sw + "_2", at(p + "depth").first, at(p + "depth").second);
		m.knob("kn_34", 15, 16, at(p + "flvl").first, at(p + "flvl").second);
		m.knob("kn_34", 15, 16, at(p + "fcol").first, at(p + "fcol").second);
		m.knob("kn_32", 25, 6, at(p + "freq").first, at(p + "freq").second);
		m.knob("kn_32", 25, 6, at(p + "q").first, at(p + "q").second);
	}
	m.put("fd_17_p", at("m.master").first, at("m.master").second);
	m.put("fd_17", at("m.master").first, at("m.master").second + 30.5);
	m.put("fd_15_p", at("m.tonegain").first, at("m.tonegain").second);
	m.put("fd_15", at("m.tonegain").first, at("m.tonegain").second + 34);
	m.put("ff_27_0", at("m.clip").first, at("m.clip").second);
	m.knob("kn_32", 25, 6, at("m.toneX").first, at("m.toneX").second);
	m.knob("kn_32", 25, 6, at("m.toneY").first, at("m.toneY").second);
	m.put("sp_06_up_0", at("t.spin").first, at("t.spin").second);
	m.put("sp_06_hnd_0", at("t.spin").first, at("t.spin").second);
	m.put("sp_06_dwn_0", at("t.spin").first, at("t.spin").second);
	m.put("ff_26_1", at("t.unit").first, at("t.unit").second);
	m.put("kn_33", at("l.per").first, at("l.per").second, float(-PI / 2));
	m.put("kn_33", at("l.depth(prop)").first, at("l.depth(prop)").second, float(-PI / 2));
	m.put("sw_07_p", at("l.shape").first, at("l.shape").second);
	m.put("sw_07_1", at("l.shape").first, at("l.shape").second);
	for (int k = 0; k < 8; ++k)
	{
		const std::string pos = "p.mem" + std::to_string(k + 1);
		const std::string pic = std::string(k < 4 ? "pb_79_" : "pb_80_") + std::to_string((k % 4) * 6);
		m.put(pic, at(pos).first, at(pos).second);
	}
	m.put("pb_87_0", at("p.store").first, at("p.store").second);
	m.put("pb_88_0", at("p.save").first, at("p.save").second);
	m.put("pb_67_0", at("p.load").first, at("p.load").second);
	m.put("fd_16_p", at("p.fader").first, at("p.fader").second);
	m.put("fd_16", at("p.fader").first + 21, at("p.fader").second);
	m.put("pb_68_0", at("i.setup").first, at("i.setup").second);
	const long text = 0xD8DEE6;
	m.text("font_03", "120.00", 6, 29, 48, 13, text, 2);
	m.text("font_03", "V 1 Fdbk Lvl", 86, 22, 100, 13, text, 0);
	m.text("font_03", "50.0", 86, 44, 62, 13, text, 2);
	m.text("font_03", "%", 152, 44, 34, 13, text, 0);
	m.text("font_03", "1/4", 198, 60, 52, 13, text, 1);
	m.text("font_03", "Sine", 254, 60, 76, 13, text, 1);
	m.text("font_03", "50 %", 346, 60, 52, 13, text, 1);
	m.text("font_04", "1.0", 503, 70, 36, 14, 0x40B8A7, 2);
	return !_missing;
}

bool EditorMockup::write_png(const std::string &path) const
{
	const Coord2D &sz = _buf.get_size();
	cairo_surface_t *surf = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sz._x, sz._y);
	unsigned char *d = cairo_image_surface_get_data(surf);
	const int stride = cairo_image_surface_get_stride(surf);
	for (int y = 0; y < sz._y; ++y)
	{
		for (int x = 0; x < sz._x; ++x)
		{
			const AlphaRGB &p = _buf.at(x, y);
			unsigned char *o = d + y * stride + 4 * x;
			o[0] = p._b;
			o[1] = p._g;
			o[2] = p._r;
			o[3] = 255;
		}
	}
	cairo_surface_mark_dirty(surf);
	const bool ok = cairo_surface_write_to_png(surf, path.c_str()) == CAIRO_STATUS_SUCCESS;
	cairo_surface_destroy(surf);
	return ok;
}

}  // namespace art
