// Naming mix-in with a unit number.
#include "params/ParamNumbered.h"

#include "params/ParamNameBuilder.h"

#include <cstdio>

namespace rivo
{

void ParamNumbered::init(double real, int level, int number)
{
	NormalizedParamInterface::init(real, level);
	_number = number;
}

void ParamNumbered::get_name(char *txt_ptr, long len) const
{
	char nbr_0[16];
	std::snprintf(nbr_0, sizeof(nbr_0), "%d", _number + 1);
	ParamNameBuilder::build(
	   txt_ptr, len, [this](char *p, long l) { do_get_name_prefix(p, l); }, nbr_0,
	   [this](char *p, long l) { do_get_name(p, l); });
}

}  // namespace rivo
