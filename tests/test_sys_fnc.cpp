// Time stamps: the priority arbitration compares them against hold times in seconds.
#include "sys/sys_fnc.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(TimeStamp, MonotonicAndCountedInSeconds)
{
	double prev = sys::get_time_stamp();
	EXPECT_GT(prev, 0.0);
	const auto start = std::chrono::steady_clock::now();
	const double t0 = prev;
	for (int i = 0; i < 10000; ++i)
	{
		const double t = sys::get_time_stamp();
		ASSERT_GE(t, prev);
		prev = t;
	}
	std::this_thread::sleep_for(std::chrono::milliseconds(50));
	const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
	const double stamped = sys::get_time_stamp() - t0;
	// Both clocks are read around the same interval; a unit error would be a factor of 1000.
	EXPECT_GE(stamped, 0.049);
	EXPECT_NEAR(stamped, elapsed, 0.02 + 0.1 * elapsed);
}
