// A timer period elapsed.
#pragma once

#include "gui/MessageDown.h"
#include "gui/TimerMessage.h"

#include <cstdint>

namespace ruvava
{

class Notify : public MessageDown, public TimerMessage
{
public:
	Notify(int32_t id, double time_stamp) noexcept : MessageDown(BROADCAST), _id(id), _time(time_stamp) {}
	int32_t get_id() const noexcept
	{
		return _id;
	}
	// Seconds, from sys::get_time_stamp.
	double get_time_stamp() const noexcept
	{
		return _time;
	}

private:
	int32_t _id;
	double _time;
};

}  // namespace ruvava
