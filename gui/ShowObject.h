// A node or control becomes visible or hidden.
#pragma once

#include "gui/MessageDown.h"

namespace ruvava
{

class ShowObject : public MessageDown
{
public:
	ShowObject(const Rect &dest, bool shown) noexcept : MessageDown(dest), _shown(shown) {}
	bool is_shown() const noexcept
	{
		return _shown;
	}

private:
	bool _shown;
};

}  // namespace ruvava
