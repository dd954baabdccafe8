// Name of a voice parameter: "V ", the voice number counted from 1, a suffix.
#pragma once

#include "params/ParamNumbered.h"
#include "sys/basic_fnc.h"

class ParamVoiceMixin : public rivo::ParamNumbered
{
protected:
	explicit ParamVoiceMixin(const char *suffix_0) : _suffix_0(suffix_0) {}

	void do_get_name_prefix(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, "V ", len);
	}
	void do_get_name(char *txt_ptr, long len) const override
	{
		basic::strncpy_0(txt_ptr, _suffix_0, len);
	}

private:
	const char *_suffix_0;
};
