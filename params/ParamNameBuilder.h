// Writes "prefix, middle, suffix" into a bounded buffer, stopping when it is full.
#pragma once

#include "sys/basic_fnc.h"

namespace rivo
{

class ParamNameBuilder
{
public:
	template <class Prefix, class Suffix>
	static void build(char *txt_ptr, long len, Prefix prefix, const char *middle_0, Suffix suffix)
	{
		if (len < 1)
		{
			return;
		}
		txt_ptr[0] = '\0';
		prefix(txt_ptr, len);
		txt_ptr[len - 1] = '\0';
		char *p = txt_ptr;
		long room = len;
		if (basic::str_jump_to_end(p, room))
		{
			return;
		}
		basic::strncpy_0(p, middle_0, room);
		if (basic::str_jump_to_end(p, room))
		{
			return;
		}
		suffix(p, room);
		txt_ptr[len - 1] = '\0';
	}
};

}  // namespace rivo
