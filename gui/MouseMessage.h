// Marks the mouse messages.
#pragma once

namespace ruvava
{

class MouseMessage
{
public:
	virtual ~MouseMessage() = default;
};

}  // namespace ruvava
