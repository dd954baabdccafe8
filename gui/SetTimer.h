// Starts a periodic timer; its id is drawn at construction and written to
// the caller's integer.
#pragma once

#include "gui/MessageHandlerInterface.h"
#include "gui/MessageUp.h"
#include "gui/TimerMessage.h"

#include <atomic>
#include <cstdint>

namespace ruvava
{

class SetTimer : public MessageUp, public TimerMessage
{
public:
	// Ids run 0, 1, 2, ... in creation order, process-wide, never reused.
	class TimerIdGenerator
	{
	public:
		static TimerIdGenerator &get_instance()
		{
			static TimerIdGenerator gen;
			return gen;
		}
		int32_t get_id() noexcept
		{
			return _next.fetch_add(1, std::memory_order_relaxed);
		}

	private:
		std::atomic<int32_t> _next{0};
	};

	SetTimer(MessageHandlerInterface &target, float delay, int32_t &id) noexcept
	: _target(target), _delay(delay), _id(TimerIdGenerator::get_instance().get_id())
	{
		id = _id;
	}
	MessageHandlerInterface &use_target() const noexcept
	{
		return _target;
	}
	// Seconds.
	float get_delay() const noexcept
	{
		return _delay;
	}
	int32_t get_id() const noexcept
	{
		return _id;
	}

private:
	MessageHandlerInterface &_target;
	float _delay;
	int32_t _id;
};

}  // namespace ruvava
