// Change flag.
#include "params/NotificationFlag.h"

namespace rivo
{

void NotificationFlag::notify(NotifierInterface & /*notifier*/)
{
	set();
}

void NotificationFlag::set()
{
	_state.store(true, std::memory_order_release);
	do_set();
}

void NotificationFlag::reset()
{
	_state.store(false, std::memory_order_release);
	do_reset();
}

bool NotificationFlag::take()
{
	// Most flags are down at most control steps: a plain load spares them the
	// locked exchange.
	if (!_state.load(std::memory_order_relaxed))
	{
		return false;
	}
	const bool was = _state.exchange(false, std::memory_order_acq_rel);
	if (was)
	{
		do_reset();
	}
	return was;
}

}  // namespace rivo
