// Time-stamped priority arbitration.
#include "params/ParamPriority.h"

namespace rivo
{

ParamPriority::ParamPriority(const ParamPriority &other)
: _time(other.get_time()), _ttl(other.get_ttl()), _owner(other.get_owner())
{
}

ParamPriority &ParamPriority::operator=(const ParamPriority &other)
{
	_time.store(other.get_time(), std::memory_order_relaxed);
	_ttl.store(other.get_ttl(), std::memory_order_relaxed);
	_owner.store(other.get_owner(), std::memory_order_relaxed);
	return *this;
}

bool ParamPriority::get(double now, int priority)
{
	if (!is_free(now, priority))
	{
		return false;
	}
	_time.store(now, std::memory_order_relaxed);
	_owner.store(priority, std::memory_order_relaxed);
	return true;
}

bool ParamPriority::is_free(double now, int priority) const
{
	// The hold ends only once time + ttl is strictly in the past.
	return get_owner() <= priority || get_time() + get_ttl() < now;
}

void ParamPriority::release(int priority)
{
	int owner = priority;
	_owner.compare_exchange_strong(owner, Prio_FREE, std::memory_order_relaxed);
}

void ParamPriority::release()
{
	_owner.store(Prio_FREE, std::memory_order_relaxed);
}

void ParamPriority::set_ttl(double ttl)
{
	_ttl.store(ttl, std::memory_order_relaxed);
}

}  // namespace rivo
