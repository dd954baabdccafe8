// Palette picture with alpha.
#include "gui/AlphaPicData8.h"

namespace ruvava
{

AlphaPicData8::AlphaPicData8(const Coord2D &size, const AlphaP *pix_ptr, const AlphaRGB *palette_ptr) noexcept
: AlphaBlit(size), _pix_ptr(pix_ptr), _palette_ptr(palette_ptr)
{
}

}  // namespace ruvava
