#include "gui/FramedControl.h"

#include "gui/Redraw.h"

namespace ruvava
{

void FramedControl::draw_layers(Redraw &m, double pos, bool with_selection, bool with_top_layer)
{
	if (_graduation._present)
	{
		draw_pic(m, _graduation._pic, get_coord());
	}
	if (const Picture *frame_ptr = use_frame(_frames, pos))
	{
		draw_pic(m, *frame_ptr, get_coord());
	}
	if (with_selection && _selection._present)
	{
		draw_pic(m, _selection._pic, get_coord());
	}
	if (with_top_layer)
	{
		redraw_top_layer(m);
	}
}

int FramedControl::find_frame(const Coord2D &p)
{
	for (size_t i = 0; i < _frames.size(); ++i)
	{
		if (_frames[i]._present && _frames[i]._pic.check_point_units(p))
		{
			return int(i);
		}
	}
	return -1;
}

}  // namespace ruvava
