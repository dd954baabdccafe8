// A leaf of the background tree: one picture, its data origin at the
// node's position.
#pragma once

#include "gui/BackgroundNodeInterface.h"
#include "gui/Picture.h"

namespace ruvava
{

class BackgroundItem : public BackgroundNodeInterface
{
public:
	void set_picture(const Picture &pic)
	{
		_pic = pic;
	}
	const Picture &get_picture() const noexcept
	{
		return _pic;
	}
	// Asks the window to redraw the item: its area once laid out in a split,
	// else the picture's source (which is in device pixels).
	void invalidate();

	int32_t do_send_message(MessageInterface &m) override;

private:
	Picture _pic;
};

}  // namespace ruvava
