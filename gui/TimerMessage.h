// Marks the timer messages.
#pragma once

namespace ruvava
{

class TimerMessage
{
public:
	virtual ~TimerMessage() = default;
};

}  // namespace ruvava
