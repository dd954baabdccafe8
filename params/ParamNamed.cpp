// Naming mix-in with a stored name.
#include "params/ParamNamed.h"

#include "params/ParamNameBuilder.h"

namespace rivo
{

void ParamNamed::init(double real, int level, const char *name_0)
{
	NormalizedParamInterface::init(real, level);
	_name = (name_0 != nullptr) ? name_0 : "";
}

void ParamNamed::get_name(char *txt_ptr, long len) const
{
	ParamNameBuilder::build(
	   txt_ptr, len, [this](char *p, long l) { do_get_name_prefix(p, l); }, _name.c_str(),
	   [this](char *p, long l) { do_get_name(p, l); });
}

}  // namespace rivo
