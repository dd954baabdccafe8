// Stops a timer.
#pragma once

#include "gui/MessageUp.h"
#include "gui/TimerMessage.h"

#include <cstdint>

namespace ruvava
{

class ClearTimer : public MessageUp, public TimerMessage
{
public:
	explicit ClearTimer(int32_t id) noexcept : _id(id) {}
	int32_t get_id() const noexcept
	{
		return _id;
	}

private:
	int32_t _id;
};

}  // namespace ruvava
