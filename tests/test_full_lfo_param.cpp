// A modulated parameter with its LFO triple: sub-parameter text bounds,
// smoothing, tempo following and phase setting.
#include "params/FullLfoParam.h"
#include "params/NotificationFlag.h"
#include "params/PluginInternal.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{

// A bipolar parameter -1..1 shown in percent.
class ToneParam : public rivo::ParamNamed
{
public:
	void get_unit(char *t, long l) const override
	{
		basic::strncpy_0(t, "%", l);
	}
	double denormalize_val(float n) const override
	{
		return 2.0 * n - 1;
	}
	float normalize_val(double v) const override
	{
		return float((v + 1) / 2);
	}
	void do_print_val(char *t, long l, double v) const override
	{
		std::snprintf(t, size_t(l), "%+.1f", 100 * v);
	}
	double do_scan_val(const char *, bool &ok) const override
	{
		ok = false;
		return 0;
	}

protected:
	void do_get_name_prefix(char *t, long l) const override
	{
		basic::strncpy_0(t, "", l);
	}
	void do_get_name(char *t, long l) const override
	{
		basic::strncpy_0(t, "", l);
	}
};

struct HalfDepthModifier
{
	double operator()(double v, double m) const
	{
		const double r = v + 0.5 * m;
		return r < -1 ? -1 : (r > 1 ? 1 : r);
	}
};

struct CountingFlag : rivo::NotificationFlag
{
	int count = 0;

protected:
	void do_set() override
	{
		++count;
	}
};

using Lfo = rivo::FullLfoParam<HalfDepthModifier>;

struct Fixture
{
	Fixture()
	{
		registry.get_time_unit().set_unit(rivo::TimeUnit::UnitType_BEAT);
		auto *p = new ToneParam;
		p->init(0.0, 0, "Tone X");
		param = p;
		lfo.init(rivo::PluginInternal::ParamPtr(p), registry, 100);
		lfo.set_sample_freq(44100);
		lfo.set_inertia_time(0.05f);
		lfo.set_notification_target(&flag);
	}

	rivo::PluginInternal registry;
	ToneParam *param = nullptr;
	Lfo lfo;
	CountingFlag flag;
};

}  // namespace

TEST(FullLfoParam, WaveformAndDepthTextsAreClamped)
{
	Fixture fx;
	bool ok = false;
	auto &wf = fx.lfo.use_wf_param();
	EXPECT_EQ(wf.denormalize_val(0.53f), 5.0);  // nearest of ten steps
	char txt[24];
	char last[24];
	wf.do_print_val(txt, sizeof(txt), 77);  // out of range: clamped to the table
	wf.do_print_val(last, sizeof(last), 9);
	EXPECT_STREQ(txt, last);

	auto &depth = fx.lfo.use_depth_param();
	EXPECT_EQ(depth.do_scan_val("150", ok), 1.0);
	EXPECT_TRUE(ok);
	EXPECT_EQ(depth.do_scan_val("-3", ok), 0.0);
	depth.do_scan_val("deep", ok);
	EXPECT_FALSE(ok);
}

TEST(FullLfoParam, DepthZeroFollowsParameterAfterGlideAndNotifiesOnlyWhileMoving)
{
	Fixture fx;
	EXPECT_EQ(fx.lfo.get_val(), 0.0);
	fx.param->set_from_normalized(1.0f);  // real value 1
	EXPECT_GE(fx.flag.count, 1);
	fx.flag.count = 0;
	int moving_ticks = 0;
	for (int tick = 0; tick < 20; ++tick)
	{
		const int before = fx.flag.count;
		fx.lfo.tick(256);
		if (fx.flag.count > before)
		{
			++moving_ticks;
		}
	}
	// 0.05 s at 44.1 kHz is 2205 samples: nine ticks of 256.
	EXPECT_EQ(moving_ticks, 9);
	EXPECT_EQ(fx.lfo.get_val(), 1.0);
}

TEST(FullLfoParam, PeriodFollowsTempoWithoutPhaseJump)
{
	Fixture fx;
	const dsp::Lfo &lfo = fx.lfo.use_lfo();
	EXPECT_DOUBLE_EQ(lfo.get_period(), 0.5);  // 1 beat at 120 BPM
	fx.lfo.use_depth_param().set_from_normalized(1.0f);
	fx.lfo.use_wf_param().set_from_normalized(3.0f / 9);  // ramp up
	fx.lfo.tick(11025);
	EXPECT_NEAR(lfo.get_phase(), 16.0 * 11025 / 22050, 1e-9);
	const double phase = lfo.get_phase();

	fx.registry.get_time_unit().set_tempo(240);
	fx.registry.update_tempo_lfos();
	EXPECT_DOUBLE_EQ(lfo.get_period(), 0.25);
	EXPECT_EQ(lfo.get_phase(), phase);
	fx.lfo.tick(256);
	EXPECT_NEAR(lfo.get_phase(), phase + 16.0 * 256 / 11025, 1e-9);
}

TEST(FullLfoParam, ModulationAndPhaseSet)
{
	Fixture fx;
	fx.lfo.use_wf_param().set_from_normalized(2.0f / 9);  // square
	fx.lfo.use_depth_param().set_from_normalized(1.0f);
	fx.lfo.tick(1);
	EXPECT_NEAR(fx.lfo.get_val(), 0.5, 1e-9);  // 0 + 0.5 * (+1)
	fx.lfo.set_phase(0.5f);
	fx.lfo.tick(1);
	EXPECT_NEAR(fx.lfo.get_val(), -0.5, 1e-9);  // half a period on: -1
	EXPECT_EQ(fx.lfo.use_lfo().get_type(), dsp::Lfo::Type_SQUARE);

	// The depth goes back to 0: the plain value again, the LFO stops.
	fx.lfo.use_depth_param().set_from_normalized(0.0f);
	fx.lfo.tick(1);
	EXPECT_EQ(fx.lfo.get_val(), 0.0);
}

TEST(FullLfoParam, ResetJumpsToParameterAndRestartsLfo)
{
	Fixture fx;
	fx.lfo.use_wf_param().set_from_normalized(3.0f / 9);
	fx.lfo.use_depth_param().set_from_normalized(0.5f);
	fx.lfo.tick(5000);
	fx.param->set_from_normalized(0.75f);  // 0.5
	fx.flag.count = 0;
	fx.lfo.reset();
	EXPECT_EQ(fx.flag.count, 1);
	EXPECT_EQ(fx.lfo.use_lfo().get_phase(), 0.0);
	// Ramp up at phase 0 is -1: 0.5 + 0.5 * (-1 * 0.5).
	EXPECT_NEAR(fx.lfo.get_val(), 0.25, 1e-9);
}
