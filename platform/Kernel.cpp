// Kernel services on POSIX.
#include "platform/Kernel.h"

#include <dlfcn.h>
#include <time.h>
#include <unistd.h>

#include <cstring>

namespace platform
{

bigtime_t system_time() noexcept
{
	timespec ts{};
	// CLOCK_MONOTONIC cannot fail with a valid pointer; it is immune to wall-clock changes.
	clock_gettime(CLOCK_MONOTONIC, &ts);
	return bigtime_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

team_id current_team() noexcept
{
	return team_id(::getpid());
}

status_t find_image_path(const void *addr_ptr, char *buf_ptr, size_t len)
{
	Dl_info info{};
	if (addr_ptr == nullptr || ::dladdr(addr_ptr, &info) == 0 || info.dli_fname == nullptr)
	{
		return B_ENTRY_NOT_FOUND;
	}
	const size_t n = std::strlen(info.dli_fname);
	if (buf_ptr == nullptr || n >= len)
	{
		return B_BAD_VALUE;
	}
	std::memcpy(buf_ptr, info.dli_fname, n + 1);
	return B_OK;
}

}  // namespace platform
