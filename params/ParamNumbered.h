// Naming mix-in for parameters that exist once per numbered unit (voice, LFO).
#pragma once

#include "params/NormalizedParamInterface.h"

namespace rivo
{

class ParamNumbered : public virtual NormalizedParamInterface
{
public:
	using NormalizedParamInterface::init;
	// number counts from 0; names show it counted from 1.
	virtual void init(double real, int level, int number);

	void get_name(char *txt_ptr, long len) const override;

	int get_param_nbr() const noexcept
	{
		return _number;
	}

protected:
	virtual void do_get_name_prefix(char *txt_ptr, long len) const = 0;
	virtual void do_get_name(char *txt_ptr, long len) const = 0;

private:
	int _number = 0;
};

}  // namespace rivo
