// LFO waveforms, phase, and the renewal rules of the random waveforms.
#include "dsp/Lfo.h"
#include "support/SineFit.h"

#include <gtest/gtest.h>

using namespace testsupport;
using dsp::Lfo;

namespace
{

// An LFO of 16 samples per period: phase advances by 1 per sample.
Lfo make_lfo(int type)
{
	Lfo lfo;
	lfo.set_sample_freq(16);
	lfo.set_period(1.0);
	lfo.set_type(type);
	lfo.clear_buffers();
	return lfo;
}

// The Park-Miller sequence computed here, to check the generator's values.
double park_miller(int count)
{
	long long state = 1;
	for (int i = 0; i < count; ++i)
	{
		state = (state * 16807) % 2147483647;
	}
	return (double(state) - 1073741824.0) / 1073741824.0;
}

}  // namespace

TEST(Lfo, PeriodicWaveformsAtEachPhase)
{
	for (int p = 0; p < 16; ++p)
	{
		const double x = p;
		const double expected[7] = {
		   std::sin(2 * PI * x / 16),  // sine
		   std::fabs(x / 4 - 2) - 1,   // triangle: +1, down to -1 at 8
		   x < 8 ? 1.0 : -1.0,         // square
		   x / 8 - 1,                  // ramp up
		   -std::cos(PI * x / 16),     // cos up
		   1 - x / 8,                  // ramp down
		   std::cos(PI * x / 16),      // cos down
		};
		for (int type = 0; type < 7; ++type)
		{
			Lfo lfo = make_lfo(type);
			lfo.tick(p);
			EXPECT_NEAR(lfo.get_raw_value(), expected[type], 2e-4) << Lfo::WF_TYPE_NAME[type] << " at " << p;
		}
	}
	Lfo bad = make_lfo(42);
	bad.tick(3);
	EXPECT_EQ(bad.get_raw_value(), 0.0f);
}

TEST(Lfo, PhaseStepFollowsPeriodAndRateAndWraps)
{
	Lfo lfo;
	lfo.set_sample_freq(44100);
	lfo.set_period(0.5);  // one beat at 120 BPM: 16 / 22050 per sample
	lfo.set_type(Lfo::Type_RAMP_UP);
	lfo.clear_buffers();
	lfo.tick(11025);
	EXPECT_NEAR(lfo.get_phase(), 8.0, 1e-9);
	lfo.tick(22050);  // one more period: same place
	EXPECT_NEAR(lfo.get_phase(), 8.0, 1e-9);
	lfo.set_period(0.25);  // twice as fast from where it is: no jump
	lfo.update_param();
	EXPECT_NEAR(lfo.get_phase(), 8.0, 1e-9);
	lfo.tick(2756);
	EXPECT_NEAR(lfo.get_phase(), 8.0 + 16.0 * 2756 / 11025, 1e-9);
	lfo.set_period(-1);  // ignored
	lfo.set_sample_freq(0);
	lfo.update_param();
	EXPECT_EQ(lfo.get_period(), 0.25);
}

TEST(Lfo, SetPhaseHalfPeriodOnSquareGivesMinusOne)
{
	Lfo lfo = make_lfo(Lfo::Type_SQUARE);
	EXPECT_EQ(lfo.get_raw_value(), 1.0f);
	lfo.set_phase(16 * 0.5);
	EXPECT_EQ(lfo.get_raw_value(), -1.0f);
	lfo.set_phase(-1);  // wraps into the period
	EXPECT_NEAR(lfo.get_phase(), 15.0, 1e-12);
}

TEST(Lfo, RandomRenewsOncePerPeriod)
{
	Lfo lfo = make_lfo(Lfo::Type_RANDOM);
	EXPECT_EQ(lfo.get_raw_value(), 0.0f);
	int renewals = 0;
	float last = lfo.get_raw_value();
	for (int i = 0; i < 16 * 10; ++i)  // 10 periods, one sample at a time
	{
		lfo.tick(1);
		if (lfo.get_raw_value() != last)
		{
			++renewals;
			last = lfo.get_raw_value();
			EXPECT_EQ(i % 16, 15) << "renewed off the period boundary";
		}
	}
	EXPECT_EQ(renewals, 10);
	EXPECT_FLOAT_EQ(last, float(park_miller(10)));
}

TEST(Lfo, WhiteNoiseRenewsEvery256SamplesWhateverTheFrameSize)
{
	for (long frame : {1L, 7L, 64L, 100L, 256L})
	{
		Lfo lfo = make_lfo(Lfo::Type_WHITE_NOISE);
		lfo.set_sample_freq(44100);
		lfo.update_param();
		long spl = 0;
		int renewals = 0;
		float last = lfo.get_raw_value();
		while (spl + frame <= 256 * 20)
		{
			lfo.tick(frame);
			spl += frame;
			if (lfo.get_raw_value() != last)
			{
				++renewals;
				last = lfo.get_raw_value();
				// Renewed in the frame that crossed a multiple of 256.
				EXPECT_GT(spl / 256, (spl - frame) / 256) << "frame " << frame << " at " << spl;
			}
		}
		EXPECT_EQ(renewals, int(spl / 256)) << "frame " << frame;
		EXPECT_FLOAT_EQ(last, float(park_miller(renewals)));
	}
}

TEST(Lfo, BrownNoiseIsSmoothedAndScaledRandomWalk)
{
	Lfo lfo;
	lfo.set_sample_freq(44100);
	lfo.set_period(2.0);  // cut-off 0.5 Hz at a noise rate of 172 Hz
	lfo.set_type(Lfo::Type_BROWN_NOISE);
	lfo.clear_buffers();
	// Below 256 samples nothing happens.
	lfo.tick(255);
	EXPECT_EQ(lfo.get_raw_value(), 0.0f);
	lfo.tick(1);
	EXPECT_NE(lfo.get_raw_value(), 0.0f);

	// One big tick pushes as many values as small ticks do over the same time.
	Lfo a = lfo;
	Lfo b = lfo;
	a.tick(256 * 7);
	for (int i = 0; i < 7; ++i)
	{
		b.tick(256);
	}
	EXPECT_FLOAT_EQ(a.get_raw_value(), b.get_raw_value());

	// Low-passed: neighbouring values are strongly correlated, the spread stays near unity.
	double prev = lfo.get_raw_value(), diff2 = 0, sq = 0;
	const int n = 20000;
	for (int i = 0; i < n; ++i)
	{
		lfo.tick(256);
		const double v = lfo.get_raw_value();
		diff2 += (v - prev) * (v - prev);
		sq += v * v;
		prev = v;
	}
	const double rms = std::sqrt(sq / n);
	EXPECT_GT(rms, 0.2);
	EXPECT_LT(rms, 1.5);
	EXPECT_LT(std::sqrt(diff2 / n), 0.2 * rms);
}
