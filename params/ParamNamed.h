// Naming mix-in: prefix, a stored name, suffix.
#pragma once

#include "params/NormalizedParamInterface.h"

#include <string>

namespace rivo
{

class ParamNamed : public virtual NormalizedParamInterface
{
public:
	using NormalizedParamInterface::init;
	virtual void init(double real, int level, const char *name_0);

	void get_name(char *txt_ptr, long len) const override;

	const std::string &get_stored_name() const noexcept
	{
		return _name;
	}

protected:
	// Written before and after the stored name.
	virtual void do_get_name_prefix(char *txt_ptr, long len) const = 0;
	virtual void do_get_name(char *txt_ptr, long len) const = 0;

private:
	std::string _name;
};

}  // namespace rivo
