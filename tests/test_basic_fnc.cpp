// Text utilities: bounds, quoting, wildcard and number formatting edge cases.
#include "sys/basic_fnc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <deque>
#include <string>

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

std::deque<std::string> split(const char *line, const char *delim, int *count = nullptr)
{
	std::deque<std::string> out;
	const int c = basic::parse_line(out, line, delim);
	if (count != nullptr)
	{
		*count = c;
	}
	return out;
}

}  // namespace

TEST(Strncpy0, StaysWithinBoundAndTerminates)
{
	for (long n : {1L, 2L, 5L, 23L, 64L})
	{
		GuardedBuf g(n);
		basic::strncpy_0(g.buf, "a text that is clearly longer than sixty-four bytes, to overflow all", n);
		EXPECT_TRUE(g.canaries_intact()) << "n = " << n;
		EXPECT_EQ(long(std::strlen(g.buf)), n - 1) << "n = " << n;
	}
}

TEST(Strncpy0, NOneWritesOnlyTerminatorAndNZeroNothing)
{
	GuardedBuf g1(1);
	basic::strncpy_0(g1.buf, "abc", 1);
	EXPECT_EQ(g1.buf[0], '\0');
	EXPECT_TRUE(g1.canaries_intact());

	GuardedBuf g0(0);
	basic::strncpy_0(g0.buf, "abc", 0);
	EXPECT_TRUE(g0.canaries_intact());
	basic::strncpy_0(g0.buf, "abc", -3);
	EXPECT_TRUE(g0.canaries_intact());
}

TEST(Strncpy0, ShortSourceCopiedWhole)
{
	GuardedBuf g(10);
	basic::strncpy_0(g.buf, "abc", 10);
	EXPECT_STREQ(g.buf, "abc");
	EXPECT_TRUE(g.canaries_intact());
}

TEST(Strncat0, AppendsWithinBound)
{
	GuardedBuf g(8);
	basic::strncpy_0(g.buf, "abc", 8);
	basic::strncat_0(g.buf, "defghijk", 8);
	EXPECT_STREQ(g.buf, "abcdefg");
	EXPECT_TRUE(g.canaries_intact());
	// Already full: nothing changes.
	basic::strncat_0(g.buf, "xyz", 8);
	EXPECT_STREQ(g.buf, "abcdefg");
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

TEST(Delimiter, EmptySetAndNul)
{
	EXPECT_TRUE(basic::is_delimiter(',', " ,"));
	EXPECT_FALSE(basic::is_delimiter(',', ""));
	EXPECT_FALSE(basic::is_delimiter('\0', " ,"));  // strchr would find the terminator
}

TEST(GenAndCase, Strings)
{
	EXPECT_EQ(basic::gen_string('\t', 3), "\t\t\t");
	EXPECT_EQ(basic::gen_string("ab", 3), "ababab");
	EXPECT_EQ(basic::gen_string(std::string("x"), 0), "");
	EXPECT_EQ(basic::gen_string('-', -2), "");
	EXPECT_EQ(basic::to_ucase("Mad Cow 3"), "MAD COW 3");
	EXPECT_EQ(basic::to_lcase("Mad Cow 3"), "mad cow 3");
	char buf[] = "Fat Cat";
	basic::to_ucase_inplace(buf);
	EXPECT_STREQ(buf, "FAT CAT");
}

TEST(ParseLine, QuotedTokenAndDelimiterRuns)
{
	int count = 0;
	const auto tok = split("a \"b c\",,d", " ,", &count);
	ASSERT_EQ(count, 3);
	ASSERT_EQ(tok.size(), 3u);
	EXPECT_EQ(tok[0], "a");
	EXPECT_EQ(tok[1], "b c");
	EXPECT_EQ(tok[2], "d");
}

TEST(ParseLine, UnclosedQuoteKeepsRestOfLine)
{
	const auto tok = split("key \"open text, with comma", " ,");
	ASSERT_EQ(tok.size(), 2u);
	EXPECT_EQ(tok[1], "open text, with comma");
}

TEST(ParseLine, EmptyQuotesGiveEmptyTokenAndQuotesCloseTokens)
{
	auto tok = split("a \"\" b", " ");
	ASSERT_EQ(tok.size(), 3u);
	EXPECT_EQ(tok[1], "");

	tok = split("ab\"cd\"ef", " ");  // quotes split a word into three tokens
	ASSERT_EQ(tok.size(), 3u);
	EXPECT_EQ(tok[0], "ab");
	EXPECT_EQ(tok[1], "cd");
	EXPECT_EQ(tok[2], "ef");
}

TEST(ParseLine, AppendsToExistingTokensAndHandlesBlankLine)
{
	std::deque<std::string> out{"keep"};
	EXPECT_EQ(basic::parse_line(out, "   ", " "), 0);
	EXPECT_EQ(basic::parse_line(out, "x", " "), 1);
	ASSERT_EQ(out.size(), 2u);
	EXPECT_EQ(out[0], "keep");
}

TEST(TestFilename, PatternsFromTheFileSelector)
{
	EXPECT_TRUE(basic::test_filename("README", "*.*"));
	EXPECT_TRUE(basic::test_filename("a.TXT", "*.txt"));
	EXPECT_TRUE(basic::test_filename("a.doc", "*.txt,*.doc"));
	EXPECT_FALSE(basic::test_filename("a.pdf", "*.txt,*.doc"));
	EXPECT_TRUE(basic::test_filename("bank.pbk", "*.pbk"));
	EXPECT_FALSE(basic::test_filename("bank.pbkx", "*.pbk"));
	EXPECT_FALSE(basic::test_filename("bank.pb", "*.pbk"));
	EXPECT_TRUE(basic::test_filename("my.cfg.txt", "*.cfg.txt"));
}

TEST(TestFilename, QuestionMarksAndEmptyPattern)
{
	EXPECT_TRUE(basic::test_filename("a1.pbk", "a?.pbk"));
	EXPECT_FALSE(basic::test_filename("a12.pbk", "a?.pbk"));
	EXPECT_TRUE(basic::test_filename("", ""));
	EXPECT_FALSE(basic::test_filename("x", ""));
	// '*' followed by '?': the next literal must lie far enough ahead.
	EXPECT_TRUE(basic::test_filename("abc.x", "*??.x"));
	EXPECT_FALSE(basic::test_filename("a.x", "*??.x"));
	EXPECT_TRUE(basic::test_filename("name", "name*"));
	EXPECT_FALSE(basic::test_filename("abc", "abx.*"));
}

TEST(PrintFloat, WidthFiveExamples)
{
	char buf[32];
	basic::print_float(buf, 1234.56, 5);
	EXPECT_STREQ(buf, "1235");
	basic::print_float(buf, 12.3456, 5);
	EXPECT_STREQ(buf, "12.34");
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

TEST(DecodeCompileDate, CompilerDateText)
{
	int y = 0, m = 0, d = 0;
	basic::decode_compile_date(y, m, d, "Aug 22 2002");
	EXPECT_EQ(m, 7);
	EXPECT_EQ(d, 21);
	EXPECT_EQ(y, 2002);
	basic::decode_compile_date(y, m, d, "Dec  7 2026");  // the compiler pads one-digit days
	EXPECT_EQ(m, 11);
	EXPECT_EQ(d, 6);
	EXPECT_EQ(y, 2026);
	basic::decode_compile_date(y, m, d, "Xyz");
	EXPECT_EQ(m, -1);
}
