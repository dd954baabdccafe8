// Name of an LFO sub-parameter: the modulated parameter's full name, then a suffix.
#pragma once

#include "params/ParamNamed.h"
#include "sys/basic_fnc.h"

namespace rivo
{

class ParamLfoSubNamed : public ParamNamed
{
protected:
	explicit ParamLfoSubNamed(const char *suffix_0) : _suffix_0(suffix_0) {}

	void do_get_name_prefix(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, "", len);
	}
	void do_get_name(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, _suffix_0, len);
	}

private:
	const char *_suffix_0;
};

}  // namespace rivo
