// Name of an engine-wide parameter: the stored name alone.
#pragma once

#include "params/ParamNamed.h"
#include "sys/basic_fnc.h"

class ParamGlobalNamed : public rivo::ParamNamed
{
protected:
	void do_get_name_prefix(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, "", len);
	}
	void do_get_name(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, "", len);
	}
};
