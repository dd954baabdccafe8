// Time-stamped priority arbitration.
#include "params/ParamPriority.h"

namespace rivo
{

bool ParamPriority::get(double now, int priority)
{
	if (!is_free(now, priority))
	{
		return false;
	}
	_time = now;
	_owner = priority;
	return true;
}

bool ParamPriority::is_free(double now, int priority) const
{
	// The hold ends only once time + ttl is strictly in the past.
	return _owner <= priority || _time + _ttl < now;
}

void ParamPriority::release(int priority)
{
	if (_owner == priority)
	{
		_owner = Prio_FREE;
	}
}

void ParamPriority::release()
{
	_owner = Prio_FREE;
}

void ParamPriority::set_ttl(double ttl)
{
	_ttl = ttl;
}

}  // namespace rivo
