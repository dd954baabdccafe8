// Text utilities: bounded copies, case-insensitive search and number formatting edge cases.
#include "sys/basic_fnc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace
{

constexpr char CANARY = '\x5A';

// A buffer with canary bytes behind the first n bytes.
struct GuardedBuf
{
	explicit GuardedBuf(long n_arg) : n(n_arg)
	{
		std::memset(buf, CANARY, sizeof(buf));
	}
	bool canaries_intact() const
	{
		for (size_t i = size_t(n); i < sizeof(buf); ++i)
		{
			if (buf[i] != CANARY)
			{
				return false;
			}
		}
		return true;
	}
	long n;
	char buf[128];
};

}  // namespace

TEST(Strncpy0, StaysWithinBoundAndTerminates)
{
	const char *const longer = "a text that is clearly longer than sixty-four bytes, to overflow all";
	for (long n : {-3L, 0L, 1L, 2L, 5L, 23L, 64L})
	{
		GuardedBuf g(std::max(n, 0L));
		basic::strncpy_0(g.buf, longer, n);
		EXPECT_TRUE(g.canaries_intact()) << "n = " << n;
		if (n > 0)
		{
			EXPECT_EQ(long(std::strlen(g.buf)), n - 1) << "n = " << n;
		}
	}
	GuardedBuf g(10);
	basic::strncpy_0(g.buf, "abc", 10);
	EXPECT_STREQ(g.buf, "abc");
	EXPECT_TRUE(g.canaries_intact());
}

TEST(StrJumpToEnd, ReportsFullOnlyWhenNoByteLeft)
{
	char buf[8] = "abc";
	char *p = buf;
	long room = 4;
	EXPECT_FALSE(basic::str_jump_to_end(p, room));  // 1 byte left for the terminator
	EXPECT_EQ(p, buf + 3);
	EXPECT_EQ(room, 1);

	p = buf;
	room = 3;
	EXPECT_TRUE(basic::str_jump_to_end(p, room));  // an unterminated run stops at the bound
	EXPECT_EQ(room, 0);
}

TEST(CaseInsensitive, CompareAndSearch)
{
	EXPECT_TRUE(basic::strcmp_ci("Beat", "bEAT"));
	EXPECT_FALSE(basic::strcmp_ci("Beat", "Beats"));
	EXPECT_FALSE(basic::strcmp_ci("Beats", "Beat"));
	EXPECT_TRUE(basic::strcmp_ci("", ""));

	EXPECT_EQ(basic::search_str_ci("MS", "250 ms"), 4);
	EXPECT_EQ(basic::search_str_ci("", "abc"), 0);
	EXPECT_EQ(basic::search_str_ci("abcd", "abc"), -1);
	EXPECT_EQ(basic::search_str_ci("aab", "aaab"), 1);  // a partial match must not skip the real one
	EXPECT_EQ(basic::search_str_ci("x", ""), -1);
}

TEST(PrintFloat, WidthFiveExamples)
{
	char buf[32];
	basic::print_float(buf, 1234.56, 5);
	EXPECT_STREQ(buf, "1235");
	basic::print_float(buf, 12.3456, 5);
	EXPECT_STREQ(buf, "12.35");  // rounded at the last digit, never cut
	basic::print_float(buf, 399.89999, 5);
	EXPECT_STREQ(buf, "399.9");
	basic::print_float(buf, 99.996, 5);
	EXPECT_STREQ(buf, "100.0");
	basic::print_float(buf, 0.123, 5);
	EXPECT_STREQ(buf, "0.123");
	basic::print_float(buf, -12.3456, 5);
	EXPECT_STREQ(buf, "-12.3");
	basic::print_float(buf, -150.0, 5);  // below -99.5: rounded integer
	EXPECT_STREQ(buf, "-150");
	basic::print_float(buf, 999.4, 5);
	EXPECT_STREQ(buf, "999.4");
	basic::print_float(buf, 999.6, 5);
	EXPECT_STREQ(buf, "1000");
}

TEST(PrintFloat, NeverExceedsWidthEvenForHugeOrNonFiniteValues)
{
	for (double v : {1e300, -1e300, 123456789.0, std::numeric_limits<double>::quiet_NaN(),
	                 std::numeric_limits<double>::infinity()})
	{
		for (int w : {1, 3, 5, 8})
		{
			GuardedBuf g(w + 1);
			basic::print_float(g.buf, v, w);
			EXPECT_LE(long(std::strlen(g.buf)), w);
			EXPECT_TRUE(g.canaries_intact()) << v << " width " << w;
		}
	}
}
