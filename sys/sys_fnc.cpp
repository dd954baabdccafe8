// Operating-system odds and ends.
#include "sys/sys_fnc.h"

#include "platform/Kernel.h"

#include <cstddef>
#include <atomic>
#include <cstdio>

namespace sys
{

namespace
{
std::atomic<TimeStampSource> time_stamp_source{nullptr};
std::atomic<UrlOpener> url_opener{nullptr};
}

double get_time_stamp()
{
	const TimeStampSource src = time_stamp_source.load(std::memory_order_relaxed);
	if (src != nullptr)
	{
		return src();
	}
	return double(platform::system_time()) * 1e-6;
}

void set_time_stamp_source(TimeStampSource src)
{
	time_stamp_source.store(src, std::memory_order_relaxed);
}

int open_url(const char *url_0)
{
	if (url_0 == nullptr || url_0[0] == '\0')
	{
		return -1;
	}
	const UrlOpener opener = url_opener.load(std::memory_order_relaxed);
	if (opener != nullptr)
	{
		return opener(url_0);
	}
	const char *const argv[] = {"xdg-open", url_0, nullptr};
	return (platform::launch_detached(argv) == platform::B_OK) ? 0 : -1;
}

void set_url_opener(UrlOpener opener)
{
	url_opener.store(opener, std::memory_order_relaxed);
}

void print_debug_msg(const char *txt_0)
{
	if (txt_0 != nullptr)
	{
		std::fputs(txt_0, stdout);
		std::fflush(stdout);
	}
}

void print_system_error(char *buf_ptr, long buf_len, long err)
{
	if (buf_ptr == nullptr || buf_len < 1)
	{
		return;
	}
	std::snprintf(buf_ptr, size_t(buf_len), "erreur beos numero %ld", err);
	print_debug_msg(buf_ptr);
}

}  // namespace sys
