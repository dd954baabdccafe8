// Per-parameter arbitration records.
#include "params/ParamPriorityList.h"

#include <cstddef>

namespace rivo
{

void ParamPriorityList::set_nbr_param(int n)
{
	_prio_list.resize(size_t(n > 0 ? n : 0));
}

bool ParamPriorityList::get(int index, double now, int priority)
{
	return is_valid(index) && _prio_list[size_t(index)].get(now, priority);
}

bool ParamPriorityList::is_free(int index, double now, int priority) const
{
	return is_valid(index) && _prio_list[size_t(index)].is_free(now, priority);
}

void ParamPriorityList::release(int index, int priority)
{
	if (is_valid(index))
	{
		_prio_list[size_t(index)].release(priority);
	}
}

void ParamPriorityList::release_all()
{
	for (auto &prio : _prio_list)
	{
		prio.release();
	}
}

void ParamPriorityList::set_ttl(double ttl)
{
	for (auto &prio : _prio_list)
	{
		prio.set_ttl(ttl);
	}
}

}  // namespace rivo
