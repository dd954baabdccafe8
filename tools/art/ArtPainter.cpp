// The editor's art.
#include "tools/art/ArtPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

bool ArtPainter::can_draw(const std::string &name)
{
	return starts_with(name, "kn_") || starts_with(name, "ff_27_") || starts_with(name, "tl_01_");
}

void ArtPainter::draw(cairo_t *cr, const PicRow &row)
{
	const std::string &n = row.name;
	const int frame = frame_number(n);
	const double radius = fit_radius(row);
	const char last = n.back();
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
	const int rings = 6;
	for (int i = rings; i >= 1; --i)
	{
		cairo_arc(cr, 1.5, 2.5, radius + i, 0, 2 * PI);
		cairo_set_source_rgba(cr, 0, 0, 0, 0.07);
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
