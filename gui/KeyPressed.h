// A key event for a control; the window never produces one (text is typed
// in the text line editor).
#pragma once

#include "gui/KeyboardMessage.h"
#include "gui/MessageDown.h"

namespace ruvava
{

class KeyPressed : public MessageDown, public KeyboardMessage
{
public:
	KeyPressed() noexcept : MessageDown(BROADCAST) {}
};

}  // namespace ruvava
