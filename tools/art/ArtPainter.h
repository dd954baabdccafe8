// Draws the editor's pictures with Cairo, one family at a time, in the
// picture's own 1x coordinates with the hot point at the origin; the caller
// scales for 2x. The look: a dark slate editor, brushed-metal caps lit from
// the top left, cyan for what shows a value or a selection.
#pragma once

#include "tools/art/PanelLayout.h"
#include "tools/art/PicTable.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace art
{

class ArtPainter
{
public:
	// False when the family has no drawing yet.
	static bool can_draw(const std::string &name);
	// The whole table, for pictures drawn after others (a switch's plate
	// marks where its states' pictures lie).
	static void set_table(const std::vector<PicRow> &table);
	// The labels and places the backgrounds carry.
	static void set_layout(const PanelLayout &layout);
	static bool is_background(const std::string &name);
	static void draw(cairo_t *cr, const PicRow &row);

private:
	static void knob_cap(cairo_t *cr, double radius, int ridges, double turn_deg);
	static void knob_spot(cairo_t *cr, double radius);
	static void knob_selection(cairo_t *cr, double radius);
	static void knob_shadow(cairo_t *cr, double radius);
	static void drag_arrow(cairo_t *cr, double half_h, double half_w);
	static void dial_face(cairo_t *cr, double radius);
	static void pointer_bar(cairo_t *cr, double len);
	static void led(cairo_t *cr, double radius, double level);
	static void marker(cairo_t *cr, double radius, bool lit);
	static void rounded_rect(cairo_t *cr, double x, double y, double w, double h, double r);
	static void metal_fill(cairo_t *cr, double y0, double y1);
	static void fader_handle(cairo_t *cr, double w, double h, bool vertical);
	static void fader_slot(cairo_t *cr, double len, bool vertical, bool selection);
	static void lamp_button(cairo_t *cr, double w, double h, double level);
	static void slide_toggle(cairo_t *cr, double w, double h, double pos);
	static void push_button(cairo_t *cr, const PicRow &row, const char *label, double press, double lit);
	static void spin_part(cairo_t *cr, const PicRow &row, int part, bool pressed);
	static void waveform(cairo_t *cr, int shape, double x, double y, double w, double h);
	static void shape_cell(cairo_t *cr, int shape, double x, double y, bool lit);
	// Where a picture's centre lies from the control's origin.
	static bool centre_of(const std::string &name, double &cx, double &cy);
	static void depth_plate(cairo_t *cr, const std::string &family);
	static void depth_selector(cairo_t *cr, const PicRow &row);

	static void background(cairo_t *cr, const PicRow &row);
	static void panel(cairo_t *cr, double x, double y, double w, double h, const double *accent);
	static void label(cairo_t *cr, const PanelLayout::Label &lab);

	static const std::vector<PicRow> *_table_ptr;
	static const PanelLayout *_layout_ptr;
};

}  // namespace art
