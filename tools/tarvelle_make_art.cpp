// tarvelle-make-art TABLE LAYOUT OUT_DIR [--sheet PNG]: draws the pictures of the
// editor's picture table that have their art, at 1x and 2x ("@2x"), reduces
// each to at most 256 colours with alpha, and writes them as 'APIC'
// resources NAME.apic into OUT_DIR, listed for the resource packer in
// OUT_DIR/pictures.lst. With --sheet, also a contact sheet of every picture
// at 1x as stored (hot points marked). Same inputs, same bytes.
#include "tools/art/ApicWriter.h"
#include "tools/art/ArtPainter.h"
#include "tools/art/PaletteQuantizer.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{

int fail(const std::string &msg)
{
	std::fprintf(stderr, "tarvelle-make-art: %s\n", msg.c_str());
	return 1;
}

struct Stored
{
	art::PicRow row;
	std::vector<uint32_t> palette;
	std::vector<uint8_t> records;  // (index, alpha)
};

// The picture drawn at the scale, reduced to a palette: with alpha, or
// opaque with an ordered dither (opaque then gives (index, 255) records, and
// indices holds what the resource stores).
Stored render(const art::PicRow &row, int scale, bool opaque, std::vector<uint8_t> &indices)
{
	const int w = row.width * scale;
	const int h = row.height * scale;
	cairo_surface_t *surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
	cairo_t *cr = cairo_create(surf);
	cairo_scale(cr, scale, scale);
	cairo_translate(cr, row.hot_x + 0.5, row.hot_y + 0.5);
	art::ArtPainter::draw(cr, row);
	cairo_destroy(cr);
	cairo_surface_flush(surf);
	const unsigned char *data = cairo_image_surface_get_data(surf);
	const int stride = cairo_image_surface_get_stride(surf);
	std::vector<art::Rgba> pix(size_t(w) * size_t(h));
	for (int y = 0; y < h; ++y)
	{
		for (int x = 0; x < w; ++x)
		{
			uint32_t v;
			std::copy(data + y * stride + 4 * x, data + y * stride + 4 * x + 4, reinterpret_cast<unsigned char *>(&v));
			const int a = int(v >> 24);
			auto un = [a](uint32_t c) { return uint8_t(a > 0 ? std::min(255, int(c) * 255 / a) : 0); };
			pix[size_t(y) * size_t(w) + size_t(x)] = {un((v >> 16) & 0xFF), un((v >> 8) & 0xFF), un(v & 0xFF), uint8_t(a)};
		}
	}
	cairo_surface_destroy(surf);
	Stored st;
	st.row = row;
	st.row.width = w;
	st.row.height = h;
	st.palette = art::PaletteQuantizer::make_palette(pix, 256);
	if (!opaque)
	{
		st.records = art::PaletteQuantizer::map_alpha(pix, st.palette);
		return st;
	}
	indices = art::PaletteQuantizer::map_dithered(pix, w, st.palette, 6);
	for (uint8_t i : indices)
	{
		st.records.push_back(i);
		st.records.push_back(255);
	}
	return st;
}

// Every picture as stored, on a checkerboard that shows its transparency,
// each with its name and its hot point marked.
bool write_sheet(const std::string &path, const std::vector<Stored> &pics)
{
	const int margin = 10;
	const int sheet_w = 1200;
	int x = margin;
	int y = margin;
	int row_h = 0;
	std::vector<std::pair<int, int>> pos;
	for (const Stored &p : pics)
	{
		const int cell_w = std::max(p.row.width, 60) + margin;
		if (x + cell_w > sheet_w)
		{
			x = margin;
			y += row_h + margin;
			row_h = 0;
		}
		pos.emplace_back(x, y);
		x += cell_w;
		row_h = std::max(row_h, p.row.height + 14);
	}
	const int sheet_h = y + row_h + margin;
	cairo_surface_t *surf = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sheet_w, sheet_h);
	cairo_t *cr = cairo_create(surf);
	cairo_set_source_rgb(cr, 0.16, 0.18, 0.21);
	cairo_paint(cr);
	cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
	cairo_set_font_size(cr, 9);
	for (size_t i = 0; i < pics.size(); ++i)
	{
		const Stored &p = pics[i];
		const int px = pos[i].first;
		const int py = pos[i].second + 12;
		for (int cy = 0; cy < p.row.height; cy += 4)
		{
			for (int cx = 0; cx < p.row.width; cx += 4)
			{
				const bool dark = ((cx / 4) + (cy / 4)) % 2 == 0;
				cairo_set_source_rgb(cr, dark ? 0.24 : 0.30, dark ? 0.26 : 0.32, dark ? 0.30 : 0.36);
				cairo_rectangle(cr, px + cx, py + cy, std::min(4, p.row.width - cx), std::min(4, p.row.height - cy));
				cairo_fill(cr);
			}
		}
		cairo_surface_t *img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.row.width, p.row.height);
		unsigned char *d = cairo_image_surface_get_data(img);
		const int stride = cairo_image_surface_get_stride(img);
		for (int yy = 0; yy < p.row.height; ++yy)
		{
			for (int xx = 0; xx < p.row.width; ++xx)
			{
				const size_t k = (size_t(yy) * size_t(p.row.width) + size_t(xx)) * 2;
				const uint32_t c = p.palette[p.records[k]];
				const uint32_t a = p.records[k + 1];
				const uint32_t v = (a << 24) | ((((c >> 16) & 0xFF) * a / 255) << 16) |
				                   ((((c >> 8) & 0xFF) * a / 255) << 8) | ((c & 0xFF) * a / 255);
				std::copy(reinterpret_cast<const unsigned char *>(&v), reinterpret_cast<const unsigned char *>(&v) + 4,
				          d + yy * stride + 4 * xx);
			}
		}
		cairo_surface_mark_dirty(img);
		cairo_set_source_surface(cr, img, px, py);
		cairo_paint(cr);
		cairo_surface_destroy(img);
		cairo_set_source_rgb(cr, 1, 0.3, 0.3);
		cairo_set_line_width(cr, 1);
		const double hx = px + p.row.hot_x + 0.5;
		const double hy = py + p.row.hot_y + 0.5;
		cairo_move_to(cr, hx - 3, hy);
		cairo_line_to(cr, hx + 3, hy);
		cairo_move_to(cr, hx, hy - 3);
		cairo_line_to(cr, hx, hy + 3);
		cairo_stroke(cr);
		cairo_set_source_rgb(cr, 0.85, 0.87, 0.9);
		cairo_move_to(cr, px, py - 3);
		const std::string label = p.row.name + " " + std::to_string(p.row.width) + "x" + std::to_string(p.row.height);
		cairo_show_text(cr, label.c_str());
	}
	cairo_destroy(cr);
	const bool ok = cairo_surface_write_to_png(surf, path.c_str()) == CAIRO_STATUS_SUCCESS;
	cairo_surface_destroy(surf);
	return ok;
}

}  // namespace

int main(int argc, char **argv)
{
	if (argc != 4 && !(argc == 6 && std::string(argv[4]) == "--sheet"))
	{
		return fail("usage: tarvelle-make-art TABLE LAYOUT OUT_DIR [--sheet PNG]");
	}
	std::vector<art::PicRow> rows;
	if (!art::PicTable::read(argv[1], rows))
	{
		return fail(std::string("cannot read the picture table ") + argv[1]);
	}
	art::PanelLayout layout;
	if (!layout.read(argv[2]))
	{
		return fail(std::string("cannot read the panel layout ") + argv[2]);
	}
	const std::string out_dir = argv[3];
	art::ArtPainter::set_table(rows);
	art::ArtPainter::set_layout(layout);
	std::vector<Stored> sheet;
	std::ofstream list(out_dir + "/pictures.lst");
	for (const art::PicRow &row : rows)
	{
		if (!art::ArtPainter::can_draw(row.name))
		{
			continue;
		}
		const bool opaque = art::ArtPainter::is_background(row.name);
		for (int scale : {1, 2})
		{
			std::vector<uint8_t> indices;
			const Stored st = render(row, scale, opaque, indices);
			const std::string path = out_dir + "/" + row.name + (scale == 2 ? "@2x" : "") + ".apic";
			if (!art::ApicWriter::write(path, opaque ? 0 : 1, 8, st.row.width, st.row.height, st.palette,
			                            opaque ? indices : st.records))
			{
				return fail("cannot write " + path);
			}
			list << "APIC:" << row.name << (scale == 2 ? "@2x" : "") << ":" << path << "\n";
			if (scale == 1)
			{
				sheet.push_back(st);
			}
		}
	}
	list.close();
	if (!list)
	{
		return fail("cannot write " + out_dir + "/pictures.lst");
	}
	if (argc == 6 && !write_sheet(argv[5], sheet))
	{
		return fail(std::string("cannot write ") + argv[5]);
	}
	return 0;
}
