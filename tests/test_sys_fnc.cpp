// Time stamps and error texts.
#include "sys/sys_fnc.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
double fake_now = 0;
double fake_clock()
{
	return fake_now;
}
}  // namespace

TEST(TimeStamp, MonotonicByDefaultAndInjectable)
{
	const double t0 = sys::get_time_stamp();
	const double t1 = sys::get_time_stamp();
	EXPECT_GT(t0, 0.0);
	EXPECT_GE(t1, t0);

	fake_now = 1234.5;
	sys::set_time_stamp_source(&fake_clock);
	EXPECT_EQ(sys::get_time_stamp(), 1234.5);
	sys::set_time_stamp_source(nullptr);
	EXPECT_GE(sys::get_time_stamp(), t1);
	EXPECT_LT(sys::get_time_stamp() - t1, 60.0);  // back on the system clock
}

TEST(PrintSystemError, FormatsCodeWithinBound)
{
	char buf[64];
	sys::print_system_error(buf, sizeof(buf), -2147483643L);
	EXPECT_STREQ(buf, "erreur beos numero -2147483643");

	char small[12];
	std::memset(small, 'x', sizeof(small));
	sys::print_system_error(small, 8, 12);
	EXPECT_EQ(std::strlen(small), 7u);
	EXPECT_EQ(small[8], 'x');
}
