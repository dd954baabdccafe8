// What the picture-strip controls share (flip-flop, switch, push button,
// LED): a graduation under, a strip of frames chosen by a position, and a
// selection picture over them.
#pragma once

#include "gui/ControlInterface.h"

#include <algorithm>
#include <vector>

namespace ruvava
{

class FramedControl : public ControlInterface
{
public:
	void set_graduation_pic(const Picture &pic)
	{
		_graduation = {pic, true};
	}
	void set_selection_pic(const Picture &pic)
	{
		_selection = {pic, true};
	}
	void set_nbr_frames(int nbr)
	{
		_frames.resize(size_t(std::max(nbr, _min_frames)));
	}
	void set_frame_pic(int index, const Picture &pic)
	{
		if (index >= 0 && size_t(index) < _frames.size())
		{
			_frames[size_t(index)] = {pic, true};
		}
	}

protected:
	FramedControl(int nbr_frames, int min_frames) : _frames(size_t(nbr_frames)), _min_frames(min_frames) {}
	// The graduation, the frame nearest pos (0..1), the selection when
	// asked; then the top layer when asked.
	void draw_layers(Redraw &m, double pos, bool with_selection, bool with_top_layer);
	size_t get_nbr_frames() const noexcept
	{
		return _frames.size();
	}
	// The frame under a point relative to the control; -1 when none.
	int find_frame(const Coord2D &p);

private:
	ButtonFrame _graduation;
	ButtonFrame _selection;
	std::vector<ButtonFrame> _frames;
	int _min_frames;
};

}  // namespace ruvava
