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
	_state.store(true, std::memory_order_relaxed);
	do_set();
}

void NotificationFlag::reset()
{
	_state.store(false, std::memory_order_relaxed);
	do_reset();
}

}  // namespace rivo
