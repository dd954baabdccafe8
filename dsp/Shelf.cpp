// First-order shelves.
#include "dsp/Shelf.h"

namespace dsp
{

Shelf::Shelf()
{
	make_high_shelf();
}

void Shelf::make_low_shelf() noexcept
{
	_b0s = _gain;
	_b1s = 1;
	_a0s = 1;
	_a1s = 1;
	transform_s_to_z();
}

void Shelf::make_high_shelf() noexcept
{
	_b0s = 1;
	_b1s = _gain;
	_a0s = 1;
	_a1s = 1;
	transform_s_to_z();
}

}  // namespace dsp
