// True-colour picture with alpha.
#include "gui/AlphaPicData24.h"

namespace ruvava
{

AlphaPicData24::AlphaPicData24(const Coord2D &size, const AlphaRGB *pix_ptr) noexcept
: AlphaBlit(size), _pix_ptr(pix_ptr)
{
}

}  // namespace ruvava
