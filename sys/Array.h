// Fixed-size array stored inline.
#pragma once

#include <array>
#include <cstddef>

namespace basic
{

template <class T, std::size_t N>
using Array = std::array<T, N>;

}  // namespace basic
