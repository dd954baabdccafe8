// What the system needs of the kernel: a monotonic clock (threads and semaphores join later).
#pragma once

#include <cstdint>

namespace platform
{

using bigtime_t = std::int64_t;

// Microseconds since an arbitrary fixed point (boot), never going backwards.
bigtime_t system_time() noexcept;

}  // namespace platform
