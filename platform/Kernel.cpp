// Kernel services on POSIX.
#include "platform/Kernel.h"

#include <time.h>

namespace platform
{

bigtime_t system_time() noexcept
{
	timespec ts{};
	// CLOCK_MONOTONIC cannot fail with a valid pointer; it is immune to wall-clock changes.
	clock_gettime(CLOCK_MONOTONIC, &ts);
	return bigtime_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

}  // namespace platform
