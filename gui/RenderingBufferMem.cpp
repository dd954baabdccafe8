// Rendering buffer in memory.
#include "gui/RenderingBufferMem.h"

namespace ruvava
{

RenderingBufferMem::RenderingBufferMem(const Coord2D &size)
: RenderingBufferInterface(Coord2D(size._x > 0 ? size._x : 0, size._y > 0 ? size._y : 0))
, _pix(size_t(_size._x) * size_t(_size._y), AlphaRGB{0, 0, 0, 0})
{
}

void RenderingBufferMem::blit(const Coord2D &, const Coord2D &)
{
	++_nbr_blits;
}

}  // namespace ruvava
