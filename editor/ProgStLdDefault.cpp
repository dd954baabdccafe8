#include "editor/ProgStLdDefault.h"

namespace rivo
{

void ProgStLdDefault::do_interpolate(ProgramSlot &result, const ProgramSlot &from, const ProgramSlot &to,
                                     double ratio)
{
	const int n = to.get_nbr_param();
	result.set_nbr_param(n);
	for (int i = 0; i < n; ++i)
	{
		const double b = to.get_parameter(i);
		// A parameter the origin lacks starts where it ends.
		const double a = (i < from.get_nbr_param()) ? from.get_parameter(i) : b;
		result.set_parameter(i, float(a + ratio * (b - a)));
	}
	result.set_extra_byte_size(to.get_extra_byte_size());
	for (long k = 0; k < to.get_extra_byte_size(); ++k)
	{
		result.set_extra_byte(k, to.get_extra_byte(k));
	}
	result.set_flags(to.get_flags());
}

}  // namespace rivo
