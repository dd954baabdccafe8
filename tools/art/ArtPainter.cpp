// The editor's art.
#include "tools/art/ArtPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace art
{

namespace
{

constexpr double PI = 3.14159265358979323846;

// Cyan of values and selections.
constexpr double ACC_R = 0.30;
constexpr double ACC_G = 0.79;
constexpr double ACC_B = 0.94;

bool starts_with(const std::string &s, const char *p)
{
	return s.rfind(p, 0) == 0;
}

// "kn_29_7" -> 7, "kn_29_s" -> -1.
int frame_number(const std::string &name)
{
	const std::string tail = name.substr(name.rfind('_') + 1);
	return (tail.find_first_not_of("0123456789") == std::string::npos) ? std::atoi(tail.c_str()) : -1;
}

// The largest circle about the hot point that fits the picture.
double fit_radius(const PicRow &r)
{
	return std::min({double(r.hot_x), double(r.hot_y), double(r.width - 1 - r.hot_x), double(r.height - 1 - r.hot_y)}) +
	       0.5;
}

struct KnobKind
{
	const char *prefix;
	int ridges;      // the cap's symmetry
	double step_deg;  // turn per frame
};

const KnobKind KNOBS[] = {{"kn_29_", 18, 2}, {"kn_31_", 8, 3}, {"kn_32_", 4, 3.6}, {"kn_34_", 8, 3}};

}  // namespace

const std::vector<PicRow> *ArtPainter::_table_ptr = nullptr;
const PanelLayout *ArtPainter::_layout_ptr = nullptr;

namespace
{

// Each voice's colour, on its cell and its number.
const double VOICE_COLOUR[4][3] = {{0.98, 0.70, 0.25}, {0.45, 0.85, 0.45}, {0.70, 0.55, 0.95}, {0.95, 0.45, 0.55}};

struct Placement
{
	const char *name;
	int x;
	int y;
};
// Where each background lies in the window.
const Placement PLACEMENTS[] = {{"bkg_27_e", 0, 0}, {"bkg_27_m", 0, 95}, {"bkg_27_p", 405, 0}, {"bkg_27_s", 0, 540}};

}  // namespace

void ArtPainter::set_layout(const PanelLayout &layout)
{
	_layout_ptr = &layout;
}

bool ArtPainter::is_background(const std::string &name)
{
	return starts_with(name, "bkg_");
}

bool ArtPainter::can_draw(const std::string &name)
{
	return starts_with(name, "kn_") || starts_with(name, "ff_") || starts_with(name, "tl_01_") ||
	       starts_with(name, "fd_") || starts_with(name, "pb_") || starts_with(name, "sp_06_") ||
	       starts_with(name, "sw_") || (starts_with(name, "bkg_") && _layout_ptr != nullptr);
}

void ArtPainter::set_table(const std::vector<PicRow> &table)
{
	_table_ptr = &table;
}

bool ArtPainter::centre_of(const std::string &name, double &cx, double &cy)
{
	for (const PicRow &r : (_table_ptr != nullptr) ? *_table_ptr : std::vector<PicRow>())
	{
		if (r.name == name)
		{
			cx = -r.hot_x + r.width / 2.0 - 0.5;
			cy = -r.hot_y + r.height / 2.0 - 0.5;
			return true;
		}
	}
	return false;
}

void ArtPainter::draw(cairo_t *cr, const PicRow &row)
{
	const std::string &n = row.name;
	const int frame = frame_number(n);
	const double radius = fit_radius(row);
	const char last = n.back();
	if (starts_with(n, "bkg_"))
	{
		background(cr, row);
		return;
	}
	if (starts_with(n, "tl_01_"))
	{
		marker(cr, radius - 1, n == "tl_01_1");
		return;
	}
	if (starts_with(n, "ff_27_"))
	{
		led(cr, radius - 1, frame / 5.0);
		return;
	}
	if (starts_with(n, "fd_"))
	{
		const bool horizontal = starts_with(n, "fd_16");
		const double len = horizontal ? 44 : (starts_with(n, "fd_15") ? 68 : 61);
		if (last == 'p' || last == 's')
		{
			fader_slot(cr, len, !horizontal, last == 's');
		}
		else
		{
			fader_handle(cr, row.width - 2, row.height - 2, !horizontal);
		}
		return;
	}
	if (starts_with(n, "ff_26_"))
	{
		slide_toggle(cr, row.width, row.height, frame);
		return;
	}
	if (starts_with(n, "ff_"))
	{
		// Toggles of 2 to 4 frames: the lamp lights up frame by frame.
		const int frames = starts_with(n, "ff_23_") ? 3 : 4;
		cairo_translate(cr, -row.hot_x - 0.5 + row.width / 2.0, -row.hot_y - 0.5 + row.height / 2.0);
		lamp_button(cr, row.width - 2, row.height - 2, frame / double(frames - 1));
		return;
	}
	if (starts_with(n, "pb_79_") || starts_with(n, "pb_80_"))
	{
		// Four memory buttons of six frames each per family.
		const int memory = (frame / 6) + (starts_with(n, "pb_80_") ? 5 : 1);
		const std::string digit = std::to_string(memory);
		push_button(cr, row, digit.c_str(), (frame % 6) / 5.0, 0);
		return;
	}
	if (starts_with(n, "pb_87_"))
	{
		push_button(cr, row, "Store", 0, frame / 3.0);
		return;
	}
	if (starts_with(n, "pb_"))
	{
		const char *label = starts_with(n, "pb_67_") ? "Load" : (starts_with(n, "pb_88_") ? "Save" : "Setup");
		const int frames = starts_with(n, "pb_68_") ? 6 : 5;
		push_button(cr, row, label, frame / double(frames - 1), 0);
		return;
	}
	if (starts_with(n, "sw_07_"))
	{
		cairo_translate(cr, -row.hot_x - 0.5, -row.hot_y - 0.5);
		if (last == 'p')
		{
			for (int k = 0; k < 10; ++k)
			{
				shape_cell(cr, k, 16.0 * (k % 5), 14.0 * (k / 5), false);
			}
		}
		else
		{
			shape_cell(cr, frame - 1, 0, 0, true);
		}
		return;
	}
	if (starts_with(n, "sw_08_") || starts_with(n, "sw_09_"))
	{
		if (last == 'p')
		{
			depth_plate(cr, n.substr(0, 5));
		}
		else
		{
			depth_selector(cr, row);
		}
		return;
	}
	if (starts_with(n, "sp_06_"))
	{
		const int part = starts_with(n, "sp_06_up") ? 0 : (starts_with(n, "sp_06_hnd") ? 1 : 2);
		spin_part(cr, row, part, frame == 1);
		return;
	}
	if (n == "kn_33")
	{
		knob_cap(cr, radius - 1, 1, 0);  // one ridge: the pointer, drawn pointing right
		return;
	}
	if (starts_with(n, "kn_30_"))
	{
		if (last == 'p')
		{
			dial_face(cr, 20.5);
		}
		else if (n == "kn_30_spn")
		{
			pointer_bar(cr, row.width - 1 - row.hot_x);
		}
		else if (last == 's')
		{
			knob_selection(cr, 21.5);
		}
		else
		{
			drag_arrow(cr, row.hot_y - 0.5, row.hot_x - 0.5);
		}
		return;
	}
	for (const KnobKind &k : KNOBS)
	{
		if (!starts_with(n, k.prefix))
		{
			continue;
		}
		if (frame >= 1)
		{
			knob_cap(cr, radius - 1, k.ridges, (frame - 1) * k.step_deg);
		}
		else if (n.size() > 3 && n.compare(n.size() - 3, 3, "spn") == 0)
		{
			knob_spot(cr, radius - 1);
		}
		else if (last == 's')
		{
			knob_selection(cr, radius - 1);
		}
		else if (last == 'p')
		{
			// Under the cap: its shadow, the cap's radius from the frames.
			const double cap = (k.ridges == 18) ? 34.5 : ((k.ridges == 4) ? 16.5 : 19.5);
			knob_shadow(cr, cap);
		}
		else
		{
			drag_arrow(cr, row.hot_y - 0.5, row.hot_x - 0.5);
		}
	}
}

// A brushed-metal cap lit from the top left, its rim knurled with ridges
// evenly spaced and turned clockwise by turn_deg; the lighting stays put.
// One ridge draws a pointer line instead.
void ArtPainter::knob_cap(cairo_t *cr, double radius, int ridges, double turn_deg)
{
	cairo_pattern_t *body = cairo_pattern_create_radial(-0.35 * radius, -0.4 * radius, 0.05 * radius, 0, 0, radius);
	cairo_pattern_add_color_stop_rgb(body, 0.0, 0.93, 0.94, 0.96);
	cairo_pattern_add_color_stop_rgb(body, 0.55, 0.66, 0.69, 0.74);
	cairo_pattern_add_color_stop_rgb(body, 1.0, 0.36, 0.39, 0.44);
	cairo_arc(cr, 0, 0, radius, 0, 2 * PI);
	cairo_set_source(cr, body);
	cairo_fill_preserve(cr);
	cairo_pattern_destroy(body);
	cairo_set_source_rgb(cr, 0.13, 0.15, 0.18);
	cairo_set_line_width(cr, std::max(1.0, radius / 18));
	cairo_stroke(cr);
	// A flat top a little smaller than the body.
	cairo_pattern_t *top = cairo_pattern_create_linear(-radius, -radius, radius, radius);
	cairo_pattern_add_color_stop_rgb(top, 0.0, 0.86, 0.88, 0.91);
	cairo_pattern_add_color_stop_rgb(top, 1.0, 0.52, 0.55, 0.60);
	cairo_arc(cr, 0, 0, radius * 0.72, 0, 2 * PI);
	cairo_set_source(cr, top);
	cairo_fill(cr);
	cairo_pattern_destroy(top);
	const double turn = turn_deg * PI / 180;
	if (ridges <= 1)
	{
		cairo_set_source_rgb(cr, 0.10, 0.12, 0.14);
		cairo_set_line_width(cr, std::max(1.5, radius / 7));
		cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
		cairo_move_to(cr, radius * 0.25, 0);
		cairo_line_to(cr, radius * 0.85, 0);
		cairo_stroke(cr);
		return;
	}
	cairo_set_line_width(cr, std::max(1.0, radius / 16));
	cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
	for (int j = 0; j < ridges; ++j)
	{
		const double a = turn + 2 * PI * j / ridges;
		const double c = std::cos(a);
		const double s = std::sin(a);
		// Ridges facing the light are lighter.
		const double lit = 0.5 + 0.5 * std::cos(a + 3 * PI / 4);
		const double g = 0.22 + 0.25 * lit;
		cairo_set_source_rgb(cr, g, g + 0.02, g + 0.05);
		cairo_move_to(cr, c * radius * 0.76, s * radius * 0.76);
		cairo_line_to(cr, c * radius * 0.95, s * radius * 0.95);
		cairo_stroke(cr);
	}
}

void ArtPainter::knob_spot(cairo_t *cr, double radius)
{
	cairo_pattern_t *glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, radius);
	cairo_pattern_add_color_stop_rgba(glow, 0.0, 0.85, 0.97, 1.0, 1.0);
	cairo_pattern_add_color_stop_rgba(glow, 0.45, ACC_R, ACC_G, ACC_B, 1.0);
	cairo_pattern_add_color_stop_rgba(glow, 1.0, ACC_R, ACC_G, ACC_B, 0.0);
	cairo_arc(cr, 0, 0, radius, 0, 2 * PI);
	cairo_set_source(cr, glow);
	cairo_fill(cr);
	cairo_pattern_destroy(glow);
}

void ArtPainter::knob_selection(cairo_t *cr, double radius)
{
	for (int i = 0; i < 3; ++i)
	{
		cairo_arc(cr, 0, 0, radius - 0.75 - i, 0, 2 * PI);
		cairo_set_source_rgba(cr, ACC_R, ACC_G, ACC_B, 0.9 - 0.3 * i);
		cairo_set_line_width(cr, 1.5);
		cairo_stroke(cr);
	}
}

// A soft shadow cast to the lower right, rings of fading darkness.
void ArtPainter::knob_shadow(cairo_t *cr, double radius)
{
	// Kept within the cap's radius plus three pixels: the picture ends there.
	const int rings = 3;
	for (int i = rings; i >= 1; --i)
	{
		cairo_arc(cr, 1, 1.5, radius + i - 0.5, 0, 2 * PI);
		cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
		cairo_fill(cr);
	}
}

// Up and down triangles: dragging up raises the value.
void ArtPainter::drag_arrow(cairo_t *cr, double half_h, double half_w)
{
	const double w = half_w * 0.85;
	const double h = half_h;
	for (int dir : {-1, 1})
	{
		cairo_move_to(cr, 0, dir * (h - 1));
		cairo_line_to(cr, w, dir * (h - 1 - 1.2 * w));
		cairo_line_to(cr, -w, dir * (h - 1 - 1.2 * w));
		cairo_close_path(cr);
	}
	cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
	cairo_fill_preserve(cr);
	cairo_set_source_rgba(cr, 0.08, 0.09, 0.11, 0.9);
	cairo_set_line_width(cr, 1);
	cairo_stroke(cr);
}

// The manual-phase dial: a dark face with marks at the four quarter turns.
void ArtPainter::dial_face(cairo_t *cr, double radius)
{
	cairo_pattern_t *face = cairo_pattern_create_radial(-0.3 * radius, -0.3 * radius, 0, 0, 0, radius);
	cairo_pattern_add_color_stop_rgb(face, 0.0, 0.30, 0.33, 0.38);
	cairo_pattern_add_color_stop_rgb(face, 1.0, 0.13, 0.15, 0.18);
	cairo_arc(cr, 0, 0, radius, 0, 2 * PI);
	cairo_set_source(cr, face);
	cairo_fill_preserve(cr);
	cairo_pattern_destroy(face);
	cairo_set_source_rgb(cr, 0.55, 0.58, 0.63);
	cairo_set_line_width(cr, 1.2);
	cairo_stroke(cr);
	cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
	for (int q = 0; q < 4; ++q)
	{
		const double a = q * PI / 2;
		cairo_move_to(cr, std::cos(a) * radius * 0.72, std::sin(a) * radius * 0.72);
		cairo_line_to(cr, std::cos(a) * radius * 0.9, std::sin(a) * radius * 0.9);
	}
	cairo_set_line_width(cr, 1.6);
	cairo_stroke(cr);
}

void ArtPainter::pointer_bar(cairo_t *cr, double len)
{
	cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
	cairo_set_line_width(cr, 2.6);
	cairo_set_source_rgb(cr, ACC_R, ACC_G, ACC_B);
	cairo_move_to(cr, -len + 1.5, 0);
	cairo_line_to(cr, len - 1.5, 0);
	cairo_stroke(cr);
}

// The clip LED, level 0 (dark red glass) to 1 (lit, with its glow).
void ArtPainter::led(cairo_t *cr, double radius, double level)
{
	const double core = radius * 0.45;
	if (level > 0)
	{
		cairo_pattern_t *glow = cairo_pattern_create_radial(0, 0, core, 0, 0, radius);
		cairo_pattern_add_color_stop_rgba(glow, 0.0, 1.0, 0.25, 0.15, 0.55 * level);
		cairo_pattern_add_color_stop_rgba(glow, 1.0, 1.0, 0.25, 0.15, 0.0);
		cairo_arc(cr, 0, 0, radius, 0, 2 * PI);
		cairo_set_source(cr, glow);
		cairo_fill(cr);
		cairo_pattern_destroy(glow);
	}
	cairo_pattern_t *glass = cairo_pattern_create_radial(-0.3 * core, -0.35 * core, 0, 0, 0, core);
	cairo_pattern_add_color_stop_rgb(glass, 0.0, 0.45 + 0.55 * level, 0.12 + 0.75 * level, 0.10 + 0.55 * level);
	cairo_pattern_add_color_stop_rgb(glass, 1.0, 0.25 + 0.70 * level, 0.04 + 0.12 * level, 0.04 + 0.06 * level);
	cairo_arc(cr, 0, 0, core, 0, 2 * PI);
	cairo_set_source(cr, glass);
	cairo_fill_preserve(cr);
	cairo_pattern_destroy(glass);
	cairo_set_source_rgb(cr, 0.10, 0.11, 0.13);
	cairo_set_line_width(cr, 1.2);
	cairo_stroke(cr);
}

void ArtPainter::rounded_rect(cairo_t *cr, double x, double y, double w, double h, double r)
{
	r = std::min({r, w / 2, h / 2});
	cairo_new_sub_path(cr);
	cairo_arc(cr, x + w - r, y + r, r, -PI / 2, 0);
	cairo_arc(cr, x + w - r, y + h - r, r, 0, PI / 2);
	cairo_arc(cr, x + r, y + h - r, r, PI / 2, PI);
	cairo_arc(cr, x + r, y + r, r, PI, 3 * PI / 2);
	cairo_close_path(cr);
}

// Brushed metal lit from above, over the current path, with a dark edge.
void ArtPainter::metal_fill(cairo_t *cr, double y0, double y1)
{
	cairo_pattern_t *g = cairo_pattern_create_linear(0, y0, 0, y1);
	cairo_pattern_add_color_stop_rgb(g, 0.0, 0.90, 0.92, 0.94);
	cairo_pattern_add_color_stop_rgb(g, 0.5, 0.68, 0.71, 0.76);
	cairo_pattern_add_color_stop_rgb(g, 1.0, 0.45, 0.48, 0.53);
	cairo_set_source(cr, g);
	cairo_fill_preserve(cr);
	cairo_pattern_destroy(g);
	cairo_set_source_rgb(cr, 0.13, 0.15, 0.18);
	cairo_set_line_width(cr, 1);
	cairo_stroke(cr);
}

// A fader cap centred on its hot point, its grip line across the travel.
void ArtPainter::fader_handle(cairo_t *cr, double w, double h, bool vertical)
{
	rounded_rect(cr, -w / 2, -h / 2, w, h, 2.5);
	metal_fill(cr, -h / 2, h / 2);
	cairo_set_source_rgb(cr, ACC_R, ACC_G, ACC_B);
	cairo_set_line_width(cr, 1.6);
	if (vertical)
	{
		cairo_move_to(cr, -w / 2 + 3, 0);
		cairo_line_to(cr, w / 2 - 3, 0);
	}
	else
	{
		cairo_move_to(cr, 0, -h / 2 + 3);
		cairo_line_to(cr, 0, h / 2 - 3);
	}
	cairo_stroke(cr);
}

// The slot a fader's cap travels along, from the origin over len pixels
// (down, or right), with ticks at every eighth; or the selection's glow around it.
void ArtPainter::fader_slot(cairo_t *cr, double len, bool vertical, bool selection)
{
	if (vertical)
	{
		cairo_rotate(cr, -PI / 2);
		cairo_scale(cr, -1, 1);  // travel along y, as drawn along x
	}
	if (selection)
	{
		for (int i = 0; i < 3; ++i)
		{
			rounded_rect(cr, -7 - i, -7 - i, len + 14 + 2 * i, 14 + 2 * i, 7 + i);
			cairo_set_source_rgba(cr, ACC_R, ACC_G, ACC_B, 0.8 - 0.25 * i);
			cairo_set_line_width(cr, 1.2);
			cairo_stroke(cr);
		}
		return;
	}
	rounded_rect(cr, -3, -2.5, len + 6, 5, 2.5);
	cairo_set_source_rgb(cr, 0.06, 0.07, 0.09);
	cairo_fill_preserve(cr);
	cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
	cairo_set_line_width(cr, 1);
	cairo_stroke(cr);
	cairo_set_source_rgba(cr, 0.75, 0.78, 0.83, 0.8);
	for (int i = 0; i <= 8; ++i)
	{
		const double x = len * i / 8;
		const double t = (i % 4 == 0) ? 5 : 3;
		cairo_move_to(cr, x, -7);
		cairo_line_to(cr, x, -7 - t);
		cairo_move_to(cr, x, 7);
		cairo_line_to(cr, x, 7 + t);
	}
	cairo_stroke(cr);
}

// A small square button whose lamp lights from 0 to 1.
void ArtPainter::lamp_button(cairo_t *cr, double w, double h, double level)
{
	rounded_rect(cr, -w / 2, -h / 2, w, h, 3);
	metal_fill(cr, -h / 2, h / 2);
	const double r = std::min(w, h) * 0.26;
	cairo_arc(cr, 0, 0, r, 0, 2 * PI);
	cairo_set_source_rgb(cr, 0.10 + (ACC_R - 0.10) * level, 0.12 + (ACC_G - 0.12) * level, 0.14 + (ACC_B - 0.14) * level);
	cairo_fill_preserve(cr);
	cairo_set_source_rgb(cr, 0.08, 0.09, 0.11);
	cairo_set_line_width(cr, 1);
	cairo_stroke(cr);
}

// A pill with a knob at the left (pos 0) or right (pos 1).
void ArtPainter::slide_toggle(cairo_t *cr, double w, double h, double pos)
{
	const double x0 = -w / 2 + 0.5;
	cairo_translate(cr, w / 2 - (w - 1) / 2.0 - 0.5, 0);
	rounded_rect(cr, x0, -h / 2 + 1, w - 1, h - 2, (h - 2) / 2);
	cairo_set_source_rgb(cr, 0.07, 0.08, 0.10);
	cairo_fill_preserve(cr);
	cairo_set_source_rgba(cr, ACC_R, ACC_G, ACC_B, 0.7);
	cairo_set_line_width(cr, 1);
	cairo_stroke(cr);
	const double r = h / 2 - 2;
	const double cx = x0 + 2 + r + pos * (w - 1 - 4 - 2 * r);
	cairo_arc(cr, cx, 0, r, 0, 2 * PI);
	metal_fill(cr, -r, r);
}

// A labelled button; press (0..1) sinks it and darkens it, lit (0..1) turns
// its label and edge cyan.
void ArtPainter::push_button(cairo_t *cr, const PicRow &row, const char *label, double press, double lit)
{
	cairo_translate(cr, -row.hot_x - 0.5, -row.hot_y - 0.5);  // the picture's own corner
	const double w = row.width;
	const double h = row.height;
	const double sink = press;
	rounded_rect(cr, 1, 1 + sink, w - 2, h - 2 - sink, 3);
	cairo_pattern_t *g = cairo_pattern_create_linear(0, 0, 0, h);
	const double top = 0.40 - 0.12 * press;
	const double bot = 0.22 - 0.08 * press;
	cairo_pattern_add_color_stop_rgb(g, 0, top, top + 0.02, top + 0.05);
	cairo_pattern_add_color_stop_rgb(g, 1, bot, bot + 0.02, bot + 0.04);
	cairo_set_source(cr, g);
	cairo_fill_preserve(cr);
	cairo_pattern_destroy(g);
	cairo_set_source_rgb(cr, 0.08 + (ACC_R - 0.08) * lit, 0.09 + (ACC_G - 0.09) * lit, 0.11 + (ACC_B - 0.11) * lit);
	cairo_set_line_width(cr, 1);
	cairo_stroke(cr);
	cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
	cairo_set_font_size(cr, std::min(9.0, h - 7));
	cairo_text_extents_t ext;
	cairo_text_extents(cr, label, &ext);
	cairo_move_to(cr, (w - ext.width) / 2 - ext.x_bearing, (h + sink) / 2 - ext.y_bearing - ext.height / 2);
	const double l = 0.86 - 0.1 * press;
	cairo_set_source_rgb(cr, l + (ACC_R - l) * lit, l + (ACC_G - l) * lit, l + (ACC_B - l) * lit);
	cairo_show_text(cr, label);
}

// The tempo spin: part 0 the up button, 1 the drag handle, 2 the down button.
void ArtPainter::spin_part(cairo_t *cr, const PicRow &row, int part, bool pressed)
{
	cairo_translate(cr, -row.hot_x - 0.5, -row.hot_y - 0.5);
	const double w = row.width;
	const double h = row.height;
	rounded_rect(cr, 0.5, 0.5, w - 1, h - 1, 2);
	if (pressed)
	{
		cairo_set_source_rgb(cr, 0.18, 0.20, 0.24);
		cairo_fill_preserve(cr);
		cairo_set_source_rgb(cr, ACC_R, ACC_G, ACC_B);
		cairo_set_line_width(cr, 1);
		cairo_stroke(cr);
	}
	else
	{
		metal_fill(cr, 0, h);
	}
	cairo_set_source_rgb(cr, pressed ? ACC_R : 0.12, pressed ? ACC_G : 0.13, pressed ? ACC_B : 0.16);
	if (part == 1)
	{
		cairo_set_line_width(cr, 1);
		for (int i = -1; i <= 1; ++i)
		{
			cairo_move_to(cr, 3, h / 2 + 2 * i);
			cairo_line_to(cr, w - 3, h / 2 + 2 * i);
		}
		cairo_stroke(cr);
		return;
	}
	const double dir = (part == 0) ? -1 : 1;
	cairo_move_to(cr, w / 2, h / 2 + dir * 2.5);
	cairo_line_to(cr, w / 2 + 3.5, h / 2 - dir * 1.5);
	cairo_line_to(cr, w / 2 - 3.5, h / 2 - dir * 1.5);
	cairo_close_path(cr);
	cairo_fill(cr);
}

// The LFO's ten shapes, in the order of their choices, as small curves.
void ArtPainter::waveform(cairo_t *cr, int shape, double x, double y, double w, double h)
{
	const int n = 48;
	static const double rnd[8] = {0.2, -0.7, 0.9, -0.1, 0.5, -0.9, 0.3, -0.4};
	for (int i = 0; i <= n; ++i)
	{
		const double p = double(i) / n;  // one period
		double v = 0;
		switch (shape)
		{
		case 0: v = std::sin(2 * PI * p); break;
		case 1: v = (p < 0.25) ? 4 * p : ((p < 0.75) ? 2 - 4 * p : 4 * p - 4); break;
		case 2: v = (p < 0.5) ? 0.9 : -0.9; break;
		case 3: v = 2 * p - 1; break;
		case 4: v = -std::cos(PI * p); break;
		case 5: v = 1 - 2 * p; break;
		case 6: v = std::cos(PI * p); break;
		case 7: v = rnd[std::min(7, int(p * 4))]; break;
		case 8: v = 0.6 * std::sin(2 * PI * p * 1.3 + 0.4) + 0.35 * std::sin(2 * PI * p * 3.7); break;
		default:
		{
			const double hash = std::sin(i * 12.9898) * 43758.5453;
			v = 1.8 * (hash - std::floor(hash)) - 0.9;
			break;
		}
		}
		const double px = x + p * w;
		const double py = y + h / 2 - v * h / 2;
		(i == 0) ? cairo_move_to(cr, px, py) : cairo_line_to(cr, px, py);
	}
	cairo_set_line_width(cr, 1.1);
	cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
	cairo_stroke(cr);
}

// One cell of the LFO shape switch at (x, y), 16 x 14.
void ArtPainter::shape_cell(cairo_t *cr, int shape, double x, double y, bool lit)
{
	rounded_rect(cr, x + 0.5, y + 0.5, 15, 13, 2);
	if (lit)
	{
		cairo_set_source_rgba(cr, ACC_R, ACC_G, ACC_B, 0.25);
		cairo_fill_preserve(cr);
		cairo_set_source_rgb(cr, ACC_R, ACC_G, ACC_B);
	}
	else
	{
		cairo_set_source_rgb(cr, 0.09, 0.10, 0.12);
		cairo_fill_preserve(cr);
		cairo_set_source_rgb(cr, 0.30, 0.33, 0.38);
	}
	cairo_set_line_width(cr, 1);
	cairo_stroke(cr);
	if (lit)
	{
		cairo_set_source_rgb(cr, 0.85, 0.97, 1.0);
	}
	else
	{
		cairo_set_source_rgb(cr, 0.55, 0.58, 0.63);
	}
	waveform(cr, shape, x + 3, y + 3.5, 10, 7);
}

// The depth switch's plate: a slot through the three positions (the
// centres of the state pictures), each with an unlit stop.
void ArtPainter::depth_plate(cairo_t *cr, const std::string &family)
{
	double cx[3];
	double cy[3];
	for (int k = 0; k < 3; ++k)
	{
		if (!centre_of(family + "_" + std::to_string(k + 1), cx[k], cy[k]))
		{
			return;
		}
	}
	for (int pass = 0; pass < 2; ++pass)
	{
		cairo_move_to(cr, cx[0], cy[0]);
		cairo_line_to(cr, cx[1], cy[1]);
		cairo_line_to(cr, cx[2], cy[2]);
		cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
		cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
		cairo_set_line_width(cr, pass == 0 ? 9 : 6);
		if (pass == 0)
		{
			cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
		}
		else
		{
			cairo_set_source_rgb(cr, 0.06, 0.07, 0.09);
		}
		cairo_stroke(cr);
	}
	for (int k = 0; k < 3; ++k)
	{
		cairo_arc(cr, cx[k], cy[k], 2, 0, 2 * PI);
		cairo_set_source_rgb(cr, 0.35, 0.38, 0.43);
		cairo_fill(cr);
	}
}

// The selector at the state picture's centre: a metal disc with a lit ring.
void ArtPainter::depth_selector(cairo_t *cr, const PicRow &row)
{
	const double cx = -row.hot_x + row.width / 2.0 - 0.5;
	const double cy = -row.hot_y + row.height / 2.0 - 0.5;
	cairo_arc(cr, cx, cy, 6.5, 0, 2 * PI);
	cairo_set_source_rgba(cr, ACC_R, ACC_G, ACC_B, 0.35);
	cairo_fill(cr);
	cairo_arc(cr, cx, cy, 5, 0, 2 * PI);
	metal_fill(cr, cy - 5, cy + 5);
	cairo_arc(cr, cx, cy, 5.5, 0, 2 * PI);
	cairo_set_source_rgb(cr, ACC_R, ACC_G, ACC_B);
	cairo_set_line_width(cr, 1.2);
	cairo_stroke(cr);
}

// A raised panel: slightly lighter than the editor's ground, lit along its
// top edge; an accent colour draws a stripe at its top.
void ArtPainter::panel(cairo_t *cr, double x, double y, double w, double h, const double *accent)
{
	rounded_rect(cr, x + 2.5, y + 2.5, w - 5, h - 5, 5);
	cairo_pattern_t *g = cairo_pattern_create_linear(0, y, 0, y + h);
	cairo_pattern_add_color_stop_rgb(g, 0, 0.215, 0.235, 0.27);
	cairo_pattern_add_color_stop_rgb(g, 1, 0.165, 0.18, 0.21);
	cairo_set_source(cr, g);
	cairo_fill_preserve(cr);
	cairo_pattern_destroy(g);
	cairo_set_source_rgb(cr, 0.09, 0.10, 0.12);
	cairo_set_line_width(cr, 1);
	cairo_stroke(cr);
	cairo_move_to(cr, x + 7, y + 3.5);
	cairo_line_to(cr, x + w - 7, y + 3.5);
	if (accent != nullptr)
	{
		cairo_set_source_rgb(cr, accent[0], accent[1], accent[2]);
		cairo_set_line_width(cr, 2);
	}
	else
	{
		cairo_set_source_rgba(cr, 1, 1, 1, 0.10);
	}
	cairo_stroke(cr);
}

void ArtPainter::label(cairo_t *cr, const PanelLayout::Label &lab)
{
	if (lab.big)
	{
		const int v = lab.text[0] - '1';
		const double *c = VOICE_COLOUR[std::clamp(v, 0, 3)];
		cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
		cairo_set_font_size(cr, 30);
		cairo_set_source_rgb(cr, c[0], c[1], c[2]);
		cairo_move_to(cr, lab.x + 4, lab.y + 31);
		cairo_show_text(cr, lab.text.c_str());
		// A bar of the voice's colour under its number.
		cairo_rectangle(cr, lab.x + 3, lab.y + 34, 22, 2);
		cairo_fill(cr);
		return;
	}
	if (lab.small)
	{
		// "Dirty Bird" as "Dirty" over "Bird", centred on the position.
		cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
		cairo_set_font_size(cr, 7);
		cairo_set_source_rgb(cr, 0.62, 0.65, 0.70);
		const size_t sp = lab.text.find(' ');
		const std::string lines[2] = {lab.text.substr(0, sp), (sp == std::string::npos) ? "" : lab.text.substr(sp + 1)};
		for (int i = 0; i < 2; ++i)
		{
			cairo_text_extents_t ext;
			cairo_text_extents(cr, lines[i].c_str(), &ext);
			cairo_move_to(cr, lab.x - ext.x_advance / 2, lab.y - 1 + 8 * i);
			cairo_show_text(cr, lines[i].c_str());
		}
		return;
	}
	cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
	cairo_set_font_size(cr, 9);
	cairo_set_source_rgb(cr, 0.72, 0.75, 0.80);
	cairo_move_to(cr, lab.x, lab.y + 9);
	cairo_show_text(cr, lab.text.c_str());
}

// A background: the editor's ground, its panels, the labels and scales the
// controls do not draw, and the recesses the text boxes print in. Drawn in
// window coordinates.
void ArtPainter::background(cairo_t *cr, const PicRow &row)
{
	const PanelLayout &lay = *_layout_ptr;
	int px = 0;
	int py = 0;
	for (const Placement &pl : PLACEMENTS)
	{
		if (row.name == pl.name)
		{
			px = pl.x;
			py = pl.y;
		}
	}
	cairo_translate(cr, -row.hot_x - 0.5 - px, -row.hot_y - 0.5 - py);
	cairo_rectangle(cr, px, py, row.width, row.height);
	cairo_set_source_rgb(cr, 0.12, 0.13, 0.15);
	cairo_fill(cr);
	struct Area
	{
		double x, y, w, h;
		int voice;  // -1: none
	};
	// The voices' controls interleave between the upper and lower cells: one
	// panel per column, each voice marked by its coloured number.
	const Area areas[] = {{0, 0, 81, 95, -1},    {81, 0, 110, 95, -1},   {191, 0, 214, 95, -1},
	                      {405, 0, 196, 95, -1}, {0, 95, 270, 445, -1},  {331, 95, 270, 445, -1},
	                      {270, 95, 61, 445, -1}, {0, 540, 601, 23, -1}};
	for (const Area &a : areas)
	{
		panel(cr, a.x, a.y, a.w, a.h, a.voice >= 0 ? VOICE_COLOUR[a.voice] : nullptr);
	}
	for (const PanelLayout::Recess &r : lay._recesses)
	{
		rounded_rect(cr, r.x0 + 0.5, r.y0 + 0.5, r.x1 - r.x0 - 1, r.y1 - r.y0 - 1, 2);
		cairo_set_source_rgb(cr, 0.055, 0.06, 0.07);
		cairo_fill_preserve(cr);
		cairo_set_source_rgba(cr, 1, 1, 1, 0.14);
		cairo_set_line_width(cr, 1);
		cairo_stroke(cr);
	}
	// The period knobs' scale: nine ticks from 1/256 to 256 beats.
	cairo_set_source_rgb(cr, 0.60, 0.63, 0.68);
	for (int v = 1; v <= 4; ++v)
	{
		const auto it = lay._origins.find("v" + std::to_string(v) + ".period");
		if (it == lay._origins.end())
		{
			continue;
		}
		for (int k = 0; k < 9; ++k)
		{
			const double a = (225 - 33.75 * k) * PI / 180;
			const double r0 = (k % 4 == 0) ? 37 : 38.5;
			const double ox = it->second.first + 0.5;
			const double oy = it->second.second + 0.5;
			cairo_move_to(cr, ox + r0 * std::cos(a), oy - r0 * std::sin(a));
			cairo_line_to(cr, ox + 42 * std::cos(a), oy - 42 * std::sin(a));
		}
	}
	cairo_set_line_width(cr, 1.2);
	cairo_stroke(cr);
	// End stops of the knobs that have them, in the lower corners of their
	// boxes; the feedback colour turns round without a stop.
	for (const auto &o : lay._origins)
	{
		const std::string &c = o.first;
		const auto has = [&c](const char *tail) { return c.size() > std::strlen(tail) && c.compare(c.size() - std::strlen(tail), std::string::npos, tail) == 0; };
		double dx = 0;
		double dy = 0;
		if (has(".gain") || has(".pan") || has(".flvl"))
		{
			dx = 20;
			dy = 21;
		}
		else if (has(".freq") || has(".q") || has(".toneX") || has(".toneY"))
		{
			dx = 15;
			dy = 19;
		}
		else
		{
			continue;
		}
		for (const double sx : {-1.0, 1.0})
		{
			cairo_arc(cr, o.second.first + 0.5 + sx * dx, o.second.second + 0.5 + dy, 1.3, 0, 2 * PI);
			cairo_fill(cr);
		}
	}
	for (const PanelLayout::Label &lab : lay._labels)
	{
		for (const Placement &pl : PLACEMENTS)
		{
			if (lab.background == pl.name && lab.background == row.name)
			{
				PanelLayout::Label w = lab;
				w.x += pl.x;
				w.y += pl.y;
				label(cr, w);
			}
		}
	}
}

void ArtPainter::marker(cairo_t *cr, double radius, bool lit)
{
	cairo_arc(cr, 0, 0, radius - 0.5, 0, 2 * PI);
	if (lit)
	{
		cairo_set_source_rgb(cr, 1.0, 0.72, 0.18);
		cairo_fill_preserve(cr);
	}
	cairo_set_source_rgb(cr, 1.0, 0.72, 0.18);
	cairo_set_line_width(cr, 1.5);
	cairo_stroke(cr);
}

}  // namespace art
