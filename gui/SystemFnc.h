// System services of the toolkit.
#pragma once

namespace ruvava
{

class SystemFnc
{
public:
	// The hook through which text controls map characters before drawing them.
	static int map_char_for_disp(int c) noexcept
	{
		return c;
	}
};

}  // namespace ruvava
