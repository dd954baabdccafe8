#include "editor/GuiEdit.h"

#include "editor/ControlSetup.h"
#include "editor/TarvelleGui.h"
#include "gui/TextBox.h"

namespace rivo
{

namespace
{

// Frames inside the edit group, which starts at (81, 0): the name over the
// value and its unit.
struct BoxPlace
{
	int _x;
	int _y;
	int _w;
	int _justification;
	const char *_legend_0;  // editable when set
};
constexpr BoxPlace PLACES[3] = {
   {5, 22, 100, ruvava::TextFrame::Justification_LEFT, nullptr},
   {5, 44, 62, ruvava::TextFrame::Justification_RIGHT, "Value :"},
   {71, 44, 34, ruvava::TextFrame::Justification_LEFT, nullptr}};
constexpr int BOX_H = 13;

}  // namespace

void GuiEdit::style(ruvava::TextBox &tb, Kind kind) const
{
	const BoxPlace &p = PLACES[kind];
	ControlSetup::setup_text_box(tb, *_gui_ptr, TarvelleGui::DEFAULT_FONT, p._w, BOX_H, p._justification, p._legend_0);
	tb.set_rel_coord(ruvava::Coord2D(p._x, p._y));
}

std::shared_ptr<ruvava::TextBox> GuiEdit::make(Kind kind)
{
	auto tb = std::make_shared<ruvava::TextBox>();
	style(*tb, kind);
	_boxes[kind].push_back(tb);
	return tb;
}

std::shared_ptr<ruvava::TextBox> GuiEdit::setup_param_name_tb()
{
	return make(Kind_NAME);
}

std::shared_ptr<ruvava::TextBox> GuiEdit::setup_param_val_tb()
{
	return make(Kind_VAL);
}

std::shared_ptr<ruvava::TextBox> GuiEdit::setup_param_unit_tb()
{
	return make(Kind_UNIT);
}

void GuiEdit::apply_pictures()
{
	for (int k = 0; k < Kind_NBR_ELT; ++k)
	{
		for (const auto &tb : _boxes[k])
		{
			style(*tb, Kind(k));
		}
	}
}

}  // namespace rivo
