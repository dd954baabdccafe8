// Time base: conversions with the tempo, time texts in and out.
#include "params/TimeUnit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using rivo::TimeUnit;

namespace
{

TimeUnit beats_at(double bpm)
{
	TimeUnit tu;
	tu.set_unit(TimeUnit::UnitType_BEAT);
	tu.set_tempo(bpm);
	return tu;
}

std::string printed(const TimeUnit &tu, double seconds, int width)
{
	char buf[32];
	tu.print_time(buf, sizeof(buf), seconds, width);
	return buf;
}

}  // namespace

TEST(TimeUnit, BeatsFollowTheTempoAndBadTemposAreRefused)
{
	TimeUnit tu;
	tu.set_tempo(120);
	EXPECT_DOUBLE_EQ(tu.convert_beats_to_time(1), 0.5);
	EXPECT_DOUBLE_EQ(tu.convert_time_to_beats(0.5), 1);
	tu.set_tempo(90);
	EXPECT_DOUBLE_EQ(tu.convert_beats_to_time(3), 2.0);
	tu.set_tempo(0);  // refused: would divide by zero
	tu.set_tempo(-5);
	EXPECT_DOUBLE_EQ(tu.convert_beats_to_time(3), 2.0);
}

TEST(TimeUnit, ScanTexts)
{
	struct Case
	{
		TimeUnit::UnitType unit;
		const char *txt;
		double seconds;
	};
	const Case cases[] = {
	   {TimeUnit::UnitType_BEAT, "1/4", 0.125},
	   {TimeUnit::UnitType_BEAT, "1 1/2", 0.75},
	   {TimeUnit::UnitType_BEAT, "3", 1.5},
	   {TimeUnit::UnitType_BEAT, "2 beats", 1.0},  // not taken for seconds
	   {TimeUnit::UnitType_MS, "40", 0.04},
	   // An explicit unit wins over the current one.
	   {TimeUnit::UnitType_BEAT, "250 ms", 0.25},
	   {TimeUnit::UnitType_BEAT, "1.5 S", 1.5},
	   {TimeUnit::UnitType_MS, "1.5 s", 1.5},
	   {TimeUnit::UnitType_S, "250 MS", 0.25},
	};
	for (const Case &c : cases)
	{
		TimeUnit tu = beats_at(120);
		tu.set_unit(c.unit);
		bool ok = false;
		EXPECT_DOUBLE_EQ(tu.scan_time(c.txt, ok), c.seconds) << c.txt;
		EXPECT_TRUE(ok) << c.txt;
	}
}

TEST(TimeUnit, BadTextsFail)
{
	const TimeUnit tu = beats_at(120);
	for (const char *txt : {"-1", "1/0", "1 1/0", "-1/4", "abc", "", "inf", "nan", "1 -1/2", "-3 ms", "-3 s"})
	{
		bool ok = true;
		tu.scan_time(txt, ok);
		EXPECT_FALSE(ok) << "'" << txt << "'";
	}
}

TEST(TimeUnit, PrintBeatsAsNearestFraction)
{
	const TimeUnit tu = beats_at(120);
	EXPECT_EQ(printed(tu, 0.5, 6), "1");        // 1 beat
	EXPECT_EQ(printed(tu, 0.125, 6), "1/4");
	EXPECT_EQ(printed(tu, 0.75, 6), "1 1/2");
	EXPECT_EQ(printed(tu, 0.09375, 6), "3/16");
	EXPECT_EQ(printed(tu, 0.0, 6), "0");
	EXPECT_EQ(printed(tu, 0.5 / 3, 6), "1/3");
	EXPECT_EQ(printed(tu, 0.5 * 0.999, 6), "1");  // rounds up to a whole beat
	EXPECT_EQ(printed(tu, 4.0, 6), "8");
}

TEST(TimeUnit, PrintedBeatsFitTheWidthAndParseBackClose)
{
	const TimeUnit tu = beats_at(97);
	for (double beats = 0.01; beats < 40; beats *= 1.13)
	{
		for (int width : {5, 6})
		{
			const double sec = tu.convert_beats_to_time(beats);
			const std::string txt = printed(tu, sec, width);
			EXPECT_LE(int(txt.size()), width) << beats << " -> " << txt;
			bool ok = false;
			const double back = tu.scan_time(txt.c_str(), ok);
			ASSERT_TRUE(ok) << txt;
			// Where a fraction fits (3 characters after the whole part and a blank) the
			// coarsest one, 1/2, bounds the error to a quarter beat; otherwise rounding
			// to whole beats bounds it to half a beat.
			const int whole_digits = beats < 1 ? 0 : int(std::log10(std::floor(beats))) + 2;
			const double bound = (whole_digits + 3 <= width) ? 0.25 : 0.5;
			EXPECT_LE(std::fabs(tu.convert_time_to_beats(back) - beats), bound + 1e-9) << txt;
		}
	}
}

TEST(TimeUnit, PrintMillisecondsWithinBuffer)
{
	TimeUnit tu;
	tu.set_unit(TimeUnit::UnitType_MS);
	EXPECT_EQ(printed(tu, 0.3, 6), "300");
	char small[8];
	std::memset(small, 'q', sizeof(small));
	tu.print_time(small, 4, 123.456, 6);
	EXPECT_EQ(std::strlen(small), 3u);
	EXPECT_EQ(small[4], 'q');
}
