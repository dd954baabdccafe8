// One frame of a control's picture strip, and whether it is set.
#pragma once

#include "gui/Picture.h"

#include <cmath>
#include <vector>

namespace ruvava
{

struct ButtonFrame
{
	Picture _pic;
	bool _present = false;
};

// The frame a position 0..1 shows among nbr frames: the nearest.
inline int frame_index(double pos, size_t nbr) noexcept
{
	if (nbr < 2)
	{
		return 0;
	}
	const double i = std::floor(pos * double(nbr - 1) + 0.5);
	return int(std::fmin(std::fmax(i, 0.0), double(nbr - 1)));
}

// The frame of that position when it is set, else null.
inline const Picture *use_frame(const std::vector<ButtonFrame> &frames, double pos) noexcept
{
	if (frames.empty())
	{
		return nullptr;
	}
	const ButtonFrame &f = frames[size_t(frame_index(pos, frames.size()))];
	return f._present ? &f._pic : nullptr;
}

}  // namespace ruvava
