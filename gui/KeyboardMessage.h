// Marks the keyboard messages.
#pragma once

namespace ruvava
{

class KeyboardMessage
{
public:
	virtual ~KeyboardMessage() = default;
};

}  // namespace ruvava
