// A parameter name made of a fixed prefix, what the base provides (the stored
// name of ParamNamed or the unit number of ParamNumbered), and a fixed suffix.
#pragma once

#include "sys/basic_fnc.h"

namespace rivo
{

template <class BASE>
class ParamAffixNamed : public BASE
{
protected:
	ParamAffixNamed(const char *prefix_0, const char *suffix_0) : _prefix_0(prefix_0), _suffix_0(suffix_0) {}

	void do_get_name_prefix(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, _prefix_0, len);
	}
	void do_get_name(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, _suffix_0, len);
	}

private:
	const char *_prefix_0;
	const char *_suffix_0;
};

}  // namespace rivo
