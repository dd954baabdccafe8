// A message travelling from the window down the trees, only to the nodes
// whose area meets its destination.
#pragma once

#include "gui/MessageInterface.h"
#include "gui/Rect.h"

namespace ruvava
{

class MessageDown : public MessageInterface
{
public:
	// Reaches every node of a tree.
	static const Rect BROADCAST;

	explicit MessageDown(const Rect &dest) noexcept : _dest(dest) {}
	const Rect &get_dest_rect() const noexcept
	{
		return _dest;
	}
	// A point message (click, move): a zero-size destination.
	bool is_point() const noexcept
	{
		return _dest._x1 == _dest._x0 && _dest._y1 == _dest._y0;
	}

private:
	Rect _dest;
};

inline const Rect MessageDown::BROADCAST(-32000, -32000, 32000, 32000);

}  // namespace ruvava
