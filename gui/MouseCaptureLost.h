// Sent straight to a capturer that loses the mouse.
#pragma once

#include "gui/MessageDown.h"
#include "gui/MouseMessage.h"

namespace ruvava
{

class MouseCaptureLost : public MessageDown, public MouseMessage
{
public:
	explicit MouseCaptureLost(const Rect &dest) noexcept : MessageDown(dest) {}
};

}  // namespace ruvava
