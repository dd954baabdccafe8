// One arbitration record per parameter index.
#pragma once

#include "params/ParamPriority.h"

#include <cstddef>
#include <vector>

namespace rivo
{

class ParamPriorityList
{
public:
	virtual ~ParamPriorityList() = default;

	// Records past n are dropped; new ones are free with the default hold time.
	void set_nbr_param(int n);
	int get_nbr_param() const noexcept
	{
		return int(_prio_list.size());
	}

	// An index outside the list is refused (get, is_free false) or ignored.
	bool get(int index, double now, int priority);
	bool is_free(int index, double now, int priority) const;
	void release(int index, int priority);
	void release_all();
	void set_ttl(double ttl);

	const ParamPriority &use_prio(int index) const
	{
		return _prio_list[size_t(index)];
	}

private:
	bool is_valid(int index) const noexcept
	{
		return index >= 0 && index < get_nbr_param();
	}

	std::vector<ParamPriority> _prio_list;
};

}  // namespace rivo
