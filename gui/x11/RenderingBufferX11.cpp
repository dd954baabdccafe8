#include "gui/x11/RenderingBufferX11.h"

#include "gui/x11/X11View.h"

#include <algorithm>

namespace ruvava
{

void RenderingBufferX11::blit(const Coord2D &pos, const Coord2D &size)
{
	RenderingBufferMem::blit(pos, size);
	if (_view_ptr != nullptr)
	{
		_view_ptr->put(_view_ptr->_win, get_data_ptr(), get_size()._x, pos._x, pos._y, std::min(size._x, get_size()._x),
		               std::min(size._y, get_size()._y));
	}
}

}  // namespace ruvava
