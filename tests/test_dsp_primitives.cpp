// Glides, clip detection, mixing ramps, cubic tables and the quadrature oscillator.
#include "dsp/BasicMixing.h"
#include "dsp/ClipDetector.h"
#include "dsp/InterpFncFiniteAsym.h"
#include "dsp/InterpFncPeriodic.h"
#include "dsp/OscSinCosEuler.h"
#include "dsp/ParamInertia.h"
#include "dsp/SlewRate.h"
#include "support/SineFit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

using namespace testsupport;

namespace
{

struct TanhFnc
{
	double operator()(double x) const
	{
		return std::tanh(x);
	}
};

struct SinFnc
{
	double operator()(double x) const
	{
		return std::sin(2 * PI * x);
	}
};

struct CubeFnc
{
	double operator()(double x) const
	{
		return x * x * x - 2 * x;
	}
};

}  // namespace

TEST(ParamInertia, RetargetMidGlideAndZeroTimeJumps)
{
	dsp::ParamInertia pi;
	pi.set_sample_freq(1024);
	pi.set_inertia_time(0.125f);  // 128 samples, exact in float
	pi.force_val(0);
	pi.set_val(1);
	pi.tick(64);
	EXPECT_EQ(pi.get_val(), 0.5f);
	pi.set_val(0);  // new glide from 0.5, again 128 samples long
	pi.tick(127);
	EXPECT_GT(pi.get_val(), 0.0f);
	pi.tick(1);
	EXPECT_EQ(pi.get_val(), 0.0f);
	pi.set_inertia_time(0);
	pi.set_val(0.7f);
	EXPECT_EQ(pi.get_val(), 0.7f);
	EXPECT_FALSE(pi.is_gliding());
}

TEST(ParamInertia, SampleRateChangeKeepsGlideDurationInSeconds)
{
	dsp::ParamInertia pi;
	pi.set_sample_freq(1000);
	pi.set_inertia_time(0.1f);
	pi.force_val(0);
	pi.set_val(1);
	pi.tick(50);                // half way after 50 ms
	pi.set_sample_freq(2000);   // the rest takes 50 ms = 100 samples now
	pi.tick(98);
	EXPECT_LT(pi.get_val(), 1.0f);
	pi.tick(2);
	EXPECT_EQ(pi.get_val(), 1.0f);
}

TEST(SlewRate, DurationGrowsWithDistance)
{
	dsp::SlewRate sr;
	sr.set_sample_freq(1000);
	sr.set_rate(10);  // 10 units per second: 0.01 per sample
	sr.force_val(0);
	sr.set_val(1);
	sr.tick(99);
	EXPECT_LT(sr.get_val(), 1.0f);
	sr.tick(1);
	EXPECT_EQ(sr.get_val(), 1.0f);
	sr.set_val(-1);  // twice as far down: twice as long
	sr.tick(199);
	EXPECT_GT(sr.get_val(), -1.0f);
	sr.tick(1);
	EXPECT_EQ(sr.get_val(), -1.0f);
	sr.set_val(-1);
	EXPECT_FALSE(sr.is_gliding());
	sr.set_rate(0);
	sr.set_val(3);
	EXPECT_EQ(sr.get_val(), 3.0f);
}

TEST(ClipDetector, ThresholdActivationAndNan)
{
	dsp::ClipDetector cd;
	const float loud[] = {0.5f, 2.0f};
	cd.process_block(loud, 2);
	EXPECT_FALSE(cd.is_clipping());  // inactive

	cd.activate_detection(true);
	const float full[] = {1.0f, -1.0f, 0.0f};
	cd.process_block(full, 3);
	EXPECT_FALSE(cd.is_clipping());
	const float over[] = {0.0f, -1.0001f};
	cd.process_block(over, 2);
	EXPECT_TRUE(cd.is_clipping());
	cd.process_block(full, 3);
	EXPECT_TRUE(cd.is_clipping());  // stays until cleared
	cd.clear_state();
	EXPECT_FALSE(cd.is_clipping());
	const float nan_blk[] = {std::numeric_limits<float>::quiet_NaN()};
	cd.process_block(nan_blk, 1);
	EXPECT_TRUE(cd.is_clipping());
	cd.activate_detection(false);
	EXPECT_FALSE(cd.is_clipping());
}

TEST(BasicMixing, GainRampStartsAtStartAndNeverReachesEnd)
{
	const float in[4] = {1, 1, 1, 1};
	float out[4] = {9, 9, 9, 9};
	dsp::BasicMixing::copy_1_1_vlrauto(out, in, 4, 0, 1);
	EXPECT_EQ(std::vector<float>(out, out + 4), (std::vector<float>{0, 0.25f, 0.5f, 0.75f}));
	const float l[2] = {1, 2};
	const float r[2] = {3, 4};
	dsp::BasicMixing::copy_2_1_vlrauto(out, l, r, 2, 1, 0);
	EXPECT_EQ(out[0], 4.0f);
	EXPECT_EQ(out[1], 3.0f);  // (2 + 4) * 0.5
	dsp::BasicMixing::copy_2_1_v(out, l, r, 2, 0.5f);
	EXPECT_EQ(out[1], 3.0f);
	float ol[2], orr[2];
	dsp::BasicMixing::copy_2_2_vlrauto(ol, orr, l, r, 2, 2, 2);
	EXPECT_EQ(ol[1], 4.0f);
	EXPECT_EQ(orr[1], 8.0f);
}

TEST(BasicMixing, MatrixRampsEachGainAndAddsBothWhenOutputsAreOneBuffer)
{
	const float l[2] = {1, 1};
	const float r[2] = {10, 10};
	float ol[2] = {0, 0};
	float orr[2] = {0, 0};
	const dsp::StereoLevel start(1, 0, 0, 1);
	const dsp::StereoLevel end(0, 1, 1, 0);
	dsp::BasicMixing::mix_mat_2_2_vlrauto(ol, orr, l, r, 2, start, end);
	EXPECT_FLOAT_EQ(ol[0], 1);      // ll 1, rl 0
	EXPECT_FLOAT_EQ(ol[1], 0.5f + 5);
	EXPECT_FLOAT_EQ(orr[0], 10);
	EXPECT_FLOAT_EQ(orr[1], 0.5f + 5);

	float mono[2] = {0, 0};
	const dsp::StereoLevel pan(0.7f, 0.3f, 0.2f, 0.8f);
	dsp::BasicMixing::mix_mat_2_2_vlrauto(mono, mono, l, r, 2, pan, pan);
	EXPECT_FLOAT_EQ(mono[0], 1 * (0.7f + 0.3f) + 10 * (0.2f + 0.8f));
}

TEST(InterpFncFiniteAsym, ExactAtIntegersConstantOutsideCloseBetween)
{
	const dsp::InterpFncFiniteAsym<-4, 4, TanhFnc> f;
	for (int x = -4; x <= 4; ++x)
	{
		EXPECT_NEAR(f(float(x)), std::tanh(double(x)), 1e-6) << x;
	}
	for (float x : {-4.0f, -4.5f, -100.0f, -std::numeric_limits<float>::infinity()})
	{
		EXPECT_EQ(f(x), float(std::tanh(-4.0)));
	}
	for (float x : {4.0f, 4.001f, 1e9f, std::numeric_limits<float>::infinity()})
	{
		EXPECT_EQ(f(x), float(std::tanh(4.0)));
	}
	EXPECT_TRUE(std::isfinite(f(std::numeric_limits<float>::quiet_NaN())));
	double worst = 0;
	for (double x = -4; x < 4; x += 0.001)
	{
		worst = std::max(worst, std::fabs(double(f(float(x))) - std::tanh(x)));
	}
	// A cubic Hermite piece on a unit interval: error of h^4 |f''''| / 384.
	EXPECT_LT(worst, 0.01);

	// A cubic itself is reproduced exactly (up to float rounding).
	const dsp::InterpFncFiniteAsym<-26, 6, CubeFnc> c;
	for (double x = -25.9; x < 6; x += 0.37)
	{
		EXPECT_NEAR(c(float(x)), CubeFnc()(double(float(x))), 2e-5 * std::max(1.0, std::fabs(CubeFnc()(x)))) << x;
	}
}

TEST(InterpFncPeriodic, SixteenPieceSine)
{
	const dsp::InterpFncPeriodic<4, SinFnc> f;
	double worst = 0;
	for (double x = -20; x < 40; x += 0.01)
	{
		worst = std::max(worst, std::fabs(double(f(x)) - std::sin(2 * PI * x / 16)));
	}
	EXPECT_LT(worst, 2e-4);
	EXPECT_NEAR(f(4.0), 1.0, 1e-6);
	EXPECT_NEAR(f(12.0), -1.0, 1e-6);
	EXPECT_NEAR(f(16.0 * 1000 + 4), 1.0, 1e-5);
}

// The owner advances the oscillator one step per sample and renormalises it
// once per 256-sample frame. Over 10 million samples the frequency stays exact
// to float precision of the step and the amplitude does not drift.
TEST(OscSinCosEuler, FrequencyAccuracyAndAmplitudeOver10MSamples)
{
	const double fs = 44100;
	for (double f : {0.25, 3.0, 1000.0})
	{
		dsp::OscSinCosEuler osc;
		osc.set_sample_freq(float(fs));
		osc.set_freq(float(f));
		double unwrapped = 0;
		double prev = 0;
		double worst_amp = 0;
		const long total = 10000000;
		for (long i = 1; i <= total; ++i)
		{
			osc.step();
			const double ph = std::atan2(osc.get_sin(), osc.get_cos());
			unwrapped += wrap_angle(ph - prev);
			prev = ph;
			if (i % 256 == 0)
			{
				worst_amp = std::max(worst_amp, std::fabs(std::hypot(double(osc.get_cos()), double(osc.get_sin())) - 1));
				osc.renormalize();
			}
		}
		// The step is stored as float: its angle is exact to about 1e-7 relative
		// (plus the float sine's absolute rounding), which is the frequency error.
		const double f_meas = unwrapped / (2 * PI) * fs / total;
		const double w = 2 * PI * f / fs;
		const double f_step = std::atan2(double(osc.get_step_sin()), double(osc.get_step_cos())) * fs / (2 * PI);
		EXPECT_NEAR(f_meas, f_step, 1e-9 * fs + 1e-6 * f) << f;
		EXPECT_NEAR(f_step, f, (6e-8 / w + 1e-7) * f + 1e-4) << f;
		// The stored step's length differs from 1 by up to about one float ulp
		// (6e-8) per sample: 256 samples stay below 2e-5.
		EXPECT_LT(worst_amp, 2e-5) << f;
	}
}
