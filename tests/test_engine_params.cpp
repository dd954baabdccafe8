// The engine's parameters: ranges, texts in and out, tempo folding and LFO
// phase messages. Names and default texts are checked through the plug-in
// record, as hosts see them.
#include "support/FakeHostDsp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace testsupport;

namespace
{

std::string shown(const TarvelleDsp &dsp, int i)
{
	char buf[24];
	dsp.get_param_ref(i)->print_val(buf, sizeof(buf));
	return buf;
}

constexpr double REFUSED = NAN;
constexpr int GAIN = Idx::voice(0, Idx::GAIN);
constexpr int PAN = Idx::voice(0, Idx::PAN);
constexpr int DEPTH = Idx::voice(0, Idx::DEPTH);
constexpr int HOLD = Idx::voice(0, Idx::HOLD);
constexpr int PERIOD = Idx::voice(0, Idx::PERIOD);
constexpr int MAN_PHASE = Idx::voice(0, Idx::MAN_PHASE);
constexpr int FDBK_LVL = Idx::voice(0, Idx::FDBK_LVL);
constexpr int BPF_FREQ = Idx::voice(0, Idx::BPF_FREQ);
constexpr int BPF_Q = Idx::voice(0, Idx::BPF_Q);

}  // namespace

// The ends and centres of the ranges a host automates over; a changed range
// would move every automation lane and saved session.
TEST(EngineParams, RangesAndSteps)
{
	EngineFixture fx;
	const struct
	{
		int index;
		float nval;
		double val;
	} cases[] = {
	   {Idx::TEMPO, 0.5f, 150}, {Idx::MASTER_VOL, 0, 0}, {Idx::MASTER_VOL, 1, 10},  // +20 dB
	   {Idx::TONE_X, 0.25f, -0.5}, {PERIOD, 0.5f, 1}, {PERIOD, 1, 256}, {MAN_PHASE, 0.75f, 1},
	   {FDBK_LVL, 0, 0}, {FDBK_LVL, 1, 1}, {BPF_FREQ, 0.5f, 640}, {BPF_Q, 0.5f, 1},
	   {DEPTH, 0.74f, 1}, {DEPTH, 0.76f, 2}, {HOLD, 0.6f, 1},  // steps round to the nearest
	};
	for (const auto &c : cases)
	{
		EXPECT_NEAR(fx.dsp.get_param_ref(c.index)->denormalize_val(c.nval), c.val, 1e-6) << c.index << " at " << c.nval;
	}
	// Every continuous mapping inverts itself over its whole range.
	for (int i = 0; i < fx.dsp.get_nbr_registered_param(); ++i)
	{
		const auto &p = fx.dsp.get_param_ref(i);
		for (float n = 0; n <= 1.0f && p->get_range_type() == 0; n += 0.0625f)
		{
			EXPECT_NEAR(p->normalize_val(p->denormalize_val(n)), n, 2e-6) << i << " at " << n;
		}
	}
}

TEST(EngineParams, TextsInAndOut)
{
	EngineFixture fx;
	const struct
	{
		int index;
		const char *text;
		double val;
	} scans[] = {
	   {GAIN, "-6", std::pow(10.0, -6.0 / 20)}, {GAIN, "oo", 0}, {GAIN, "-oo", 0},  // what it prints reads back
	   {GAIN, "40", 10}, {GAIN, "loud", REFUSED},  // clamped to +20 dB
	   {PAN, "L 50", -0.5}, {PAN, "r25", 0.25}, {PAN, "Mid", 0}, {PAN, "-30", -0.3}, {PAN, "40", 0.4},
	   {PAN, "R 250", 1}, {PAN, "Lx", REFUSED},
	   {DEPTH, "mad cow", 2}, {DEPTH, "the Fat Cat one", 1}, {DEPTH, "fat", REFUSED}, {HOLD, "ON", 1},
	   {BPF_Q, "OFF please", 0.1}, {BPF_Q, "2.5", 2.5}, {BPF_Q, "50", 10},
	   {MAN_PHASE, "90", 0.25}, {MAN_PHASE, "1000", 2},
	   {Idx::TEMPO, "300", 240}, {Idx::TONE_X, "-50", -0.5}, {Idx::TONE_Y, "150", 1}, {BPF_FREQ, "5", 40},
	   {PERIOD, "1/2", 0.5}, {PERIOD, "1000", 256}, {PERIOD, "2 s", 4},  // at 120 BPM
	};
	for (const auto &s : scans)
	{
		bool ok = false;
		const double val = fx.dsp.get_param_ref(s.index)->do_scan_val(s.text, ok);
		EXPECT_EQ(ok, !std::isnan(s.val)) << s.text;
		if (ok && !std::isnan(s.val))
		{
			EXPECT_NEAR(val, s.val, 1e-6) << s.text;
		}
	}
	const struct
	{
		int index;
		double val;
		const char *text;
	} prints[] = {
	   {GAIN, 0, "-oo"}, {PAN, -0.404, "L 40"}, {PAN, 0.004, "Mid"}, {BPF_Q, 0.12, "0.12"},
	   {BPF_FREQ, 1234.56, "1235"}, {MAN_PHASE, 0.75, "-90.0"},  // three quarter turns
	};
	for (const auto &p : prints)
	{
		fx.set(p.index, p.val);
		EXPECT_EQ(shown(fx.dsp, p.index), p.text) << p.val;
	}
}

TEST(EngineParams, TempoFoldsByOctavesAndHostTempoWins)
{
	EngineFixture fx;
	const auto tempo = [&fx]() { return fx.dsp.get_param_ref(Idx::TEMPO)->get_val(); };
	// Each host tempo in turn: folded into 60..240 BPM, nonsense ignored.
	const std::pair<float, double> steps[] = {{30, 60}, {500, 125}, {240, 240}, {59, 118},
	                                          {0, 118}, {-3, 118}, {std::nanf(""), 118}};
	for (const auto &s : steps)
	{
		fx.dsp.set_tempo(s.first);
		EXPECT_NEAR(tempo(), s.second, 1e-4) << s.first;
		EXPECT_NEAR(fx.dsp.get_time_unit().get_tempo(), s.second, 1e-4) << s.first;
	}
	// Without host tempo the parameter drives the time base.
	fx.set(Idx::TEMPO, 90);
	EXPECT_NEAR(fx.dsp.get_time_unit().get_tempo(), 90, 1e-4);
	// With host tempo, the parameter snaps back to the host's.
	fx.host.can_tempo = 1;
	fx.dsp.clear_buffers();
	fx.dsp.set_tempo(100);
	fx.set(Idx::TEMPO, 200);
	EXPECT_NEAR(tempo(), 100, 1e-4);
	EXPECT_NEAR(fx.dsp.get_time_unit().get_tempo(), 100, 1e-4);
}

// A square LFO at full depth on "Tone X", its phase set by message, must put
// the tone where the knob at either end puts it.
TEST(EngineParams, LfoPhaseMessagesMoveTheModulation)
{
	const auto knob_gain = [](double x) {
		EngineFixture ref;
		ref.set(Idx::TONE_X, x);
		ref.dsp.tick(48000);  // past the glide
		return ref.dsp.use_pre_filter().get_gain_1();
	};
	const float low = knob_gain(-1);
	const float high = knob_gain(1);
	ASSERT_GT(high, low * 1.5f);

	EngineFixture fx;
	fx.set(Idx::TONE_X + Idx::LFO_WF, 2);
	fx.set(Idx::TONE_X + Idx::LFO_DEPTH, 1);
	fx.dsp.send_scalar_msg(TarvelleDsp::LFO_PHASE_MSG, 0.5f);
	fx.dsp.tick(1);
	EXPECT_NEAR(fx.dsp.use_pre_filter().get_gain_1(), low, 1e-5);
	fx.dsp.send_scalar_msg(TarvelleDsp::LFO_PHASE_MSG, 1.0f);  // 1.0 means 0
	fx.dsp.tick(1);
	EXPECT_NEAR(fx.dsp.use_pre_filter().get_gain_1(), high, 1e-5);
	fx.dsp.send_scalar_msg(TarvelleDsp::LFO_PHASE_MSG - 1, 0.5f);  // below the LFO messages
	fx.dsp.send_scalar_msg(TarvelleDsp::LFO_PHASE_MSG + 26, 0.5f);  // past the 26 LFOs
	fx.dsp.send_scalar_msg(TarvelleDsp::LFO_PHASE_MSG, std::nanf(""));
	fx.dsp.tick(1);
	EXPECT_NEAR(fx.dsp.use_pre_filter().get_gain_1(), high, 1e-5);
}
