// The engine's parameter table: order and names, defaults as shown, texts in
// and out, mappings, tempo folding, messages and properties.
#include "support/FakeHostDsp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace testsupport;

namespace
{

std::string name_of(const TarvelleDsp &dsp, int i)
{
	char buf[64];
	dsp.get_param_ref(i)->get_name(buf, sizeof(buf));
	return buf;
}

std::string shown(const TarvelleDsp &dsp, int i)
{
	char buf[24];
	dsp.get_param_ref(i)->print_val(buf, sizeof(buf));
	return buf;
}

std::string unit_of(const TarvelleDsp &dsp, int i)
{
	char buf[24];
	dsp.get_param_ref(i)->get_unit(buf, sizeof(buf));
	return buf;
}

double scanned(const TarvelleDsp &dsp, int i, const char *txt, bool &ok)
{
	ok = false;
	return dsp.get_param_ref(i)->do_scan_val(txt, ok);
}

}  // namespace

TEST(EngineParams, TableOrderAndNames)
{
	EngineFixture fx;
	ASSERT_EQ(fx.dsp.get_nbr_registered_param(), 123);
	ASSERT_EQ(fx.dsp.get_nbr_registered_lfo(), 26);
	const std::pair<int, const char *> expected[] = {
	   {0, "Tempo"},
	   {1, "Master Vol"},
	   {2, "Colored Vol"},
	   {3, "Tone X"},
	   {4, "Tone X LFO period"},
	   {5, "Tone X LFO WF"},
	   {6, "Tone X LFO depth"},
	   {7, "Tone Y"},
	   {10, "Tone Y LFO depth"},
	   {11, "V 1 Gain"},
	   {12, "V 1 Pan"},
	   {13, "V 1 Pan LFO period"},
	   {16, "V 1 Depth"},
	   {17, "V 1 Osc Hold"},
	   {18, "V 1 Period"},
	   {22, "V 1 Manual Phase"},
	   {26, "V 1 Fdbk Lvl"},
	   {30, "V 1 Fdbk Col"},
	   {34, "V 1 BPF Freq"},
	   {37, "V 1 BPF Freq LFO depth"},
	   {38, "V 1 BPF Q"},
	   {39, "V 2 Gain"},
	   {67, "V 3 Gain"},
	   {95, "V 4 Gain"},
	   {122, "V 4 BPF Q"},
	};
	for (const auto &e : expected)
	{
		EXPECT_EQ(name_of(fx.dsp, e.first), e.second) << e.first;
	}
	// Automation levels: 0 for parameters, 100 for LFO sub-parameters.
	EXPECT_EQ(fx.dsp.get_param_ref(3)->get_automation_level(), 0);
	EXPECT_EQ(fx.dsp.get_param_ref(4)->get_automation_level(), 100);
	EXPECT_EQ(fx.dsp.get_param_ref(Idx::voice(2, Idx::BPF_FREQ) + 3)->get_automation_level(), 100);
}

TEST(EngineParams, DefaultsAsShown)
{
	EngineFixture fx;
	const std::pair<int, const char *> expected[] = {
	   {Idx::TEMPO, "120.000"},
	   {Idx::MASTER_VOL, "0.0"},
	   {Idx::COLORED_VOL, "0.0"},
	   {Idx::TONE_X, "+0.0"},
	   {Idx::TONE_X + 1, "1"},
	   {Idx::TONE_X + 2, "Sine"},
	   {Idx::TONE_X + 3, "0.00"},
	   {Idx::TONE_Y, "50.0"},
	   {Idx::voice(0, Idx::GAIN), "-6.0"},
	   {Idx::voice(1, Idx::GAIN), "-oo"},
	   {Idx::voice(3, Idx::GAIN), "-oo"},
	   {Idx::voice(0, Idx::PAN), "Mid"},
	   {Idx::voice(0, Idx::DEPTH), "Dirty Bird"},
	   {Idx::voice(0, Idx::HOLD), "Off"},
	   {Idx::voice(0, Idx::PERIOD), "1 3/5"},
	   {Idx::voice(0, Idx::MAN_PHASE), "0.0"},
	   {Idx::voice(0, Idx::FDBK_LVL), "0.0"},
	   {Idx::voice(0, Idx::FDBK_COL), "0.0"},
	   {Idx::voice(0, Idx::BPF_FREQ), "640.0"},
	   {Idx::voice(0, Idx::BPF_Q), "Off"},
	};
	for (const auto &e : expected)
	{
		EXPECT_EQ(shown(fx.dsp, e.first), e.second) << name_of(fx.dsp, e.first);
	}
	EXPECT_EQ(unit_of(fx.dsp, Idx::TEMPO), "BPM");
	EXPECT_EQ(unit_of(fx.dsp, Idx::voice(0, Idx::GAIN)), "dB");
	EXPECT_EQ(unit_of(fx.dsp, Idx::voice(0, Idx::PERIOD)), "beat");
	EXPECT_EQ(unit_of(fx.dsp, Idx::voice(0, Idx::MAN_PHASE)), "deg");
	EXPECT_EQ(unit_of(fx.dsp, Idx::voice(0, Idx::BPF_FREQ)), "Hz");
	EXPECT_EQ(unit_of(fx.dsp, Idx::voice(0, Idx::FDBK_COL)), "");
	EXPECT_NEAR(fx.dsp.get_param_ref(Idx::voice(0, Idx::GAIN))->get_val(), 0.5, 1e-6);
}

TEST(EngineParams, MappingsMatchTheirFormulas)
{
	EngineFixture fx;
	auto real = [&fx](int i, float n) { return fx.dsp.get_param_ref(i)->denormalize_val(n); };
	EXPECT_DOUBLE_EQ(real(Idx::TEMPO, 0.5f), 150.0);
	EXPECT_NEAR(real(Idx::MASTER_VOL, 1.0f), 10.0, 1e-9);  // +20 dB
	EXPECT_NEAR(real(Idx::MASTER_VOL, 0.0f), 0.0, 1e-12);
	EXPECT_NEAR(real(Idx::MASTER_VOL, 2.0f / 3), 10 * (100.0 - 1) / 999, 1e-6);
	EXPECT_DOUBLE_EQ(real(Idx::TONE_X, 0.25f), -0.5);
	EXPECT_NEAR(real(Idx::voice(0, Idx::PERIOD), 0.5f), 1.0, 1e-12);
	EXPECT_NEAR(real(Idx::voice(0, Idx::PERIOD), 1.0f), 256.0, 1e-9);
	EXPECT_DOUBLE_EQ(real(Idx::voice(0, Idx::MAN_PHASE), 0.75f), 1.0);
	EXPECT_NEAR(real(Idx::voice(0, Idx::FDBK_LVL), 1.0f), 1.0, 1e-12);
	EXPECT_NEAR(real(Idx::voice(0, Idx::FDBK_LVL), 0.0f), 0.0, 1e-12);
	EXPECT_NEAR(real(Idx::voice(0, Idx::FDBK_LVL), 0.5f), 1 - (std::sqrt(10.0) - 1) / 9, 1e-9);
	EXPECT_NEAR(real(Idx::voice(0, Idx::BPF_FREQ), 0.5f), 640.0, 1e-6);
	EXPECT_NEAR(real(Idx::voice(0, Idx::BPF_Q), 0.5f), 1.0, 1e-9);
	EXPECT_EQ(real(Idx::voice(0, Idx::DEPTH), 0.74f), 1.0);
	EXPECT_EQ(real(Idx::voice(0, Idx::DEPTH), 0.76f), 2.0);
	EXPECT_EQ(real(Idx::voice(0, Idx::HOLD), 0.6f), 1.0);

	// Every continuous mapping inverts itself over its whole range.
	for (int i = 0; i < 123; ++i)
	{
		const auto &p = fx.dsp.get_param_ref(i);
		if (p->get_range_type() != 0)
		{
			continue;
		}
		for (float n = 0; n <= 1.0f; n += 0.0625f)
		{
			EXPECT_NEAR(p->normalize_val(p->denormalize_val(n)), n, 2e-6) << name_of(fx.dsp, i) << " at " << n;
		}
	}
}

TEST(EngineParams, TextsInAndOut)
{
	EngineFixture fx;
	bool ok = false;
	const int gain = Idx::voice(0, Idx::GAIN);
	EXPECT_NEAR(scanned(fx.dsp, gain, "-6", ok), std::pow(10.0, -6.0 / 20), 1e-9);
	EXPECT_TRUE(ok);
	EXPECT_EQ(scanned(fx.dsp, gain, "oo", ok), 0.0);
	EXPECT_TRUE(ok);
	EXPECT_EQ(scanned(fx.dsp, gain, "-oo", ok), 0.0);  // what it prints reads back
	EXPECT_TRUE(ok);
	EXPECT_EQ(scanned(fx.dsp, gain, "40", ok), 10.0);  // clamped to +20 dB
	scanned(fx.dsp, gain, "loud", ok);
	EXPECT_FALSE(ok);

	const int pan = Idx::voice(0, Idx::PAN);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, pan, "L 50", ok), -0.5);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, pan, "r25", ok), 0.25);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, pan, "Mid", ok), 0.0);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, pan, "-30", ok), -0.3);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, pan, "40", ok), 0.4);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, pan, "R 250", ok), 1.0);
	scanned(fx.dsp, pan, "Lx", ok);
	EXPECT_FALSE(ok);
	fx.set(pan, -0.404);
	EXPECT_EQ(shown(fx.dsp, pan), "L 40");
	fx.set(pan, 0.004);
	EXPECT_EQ(shown(fx.dsp, pan), "Mid");

	const int depth = Idx::voice(0, Idx::DEPTH);
	EXPECT_EQ(scanned(fx.dsp, depth, "mad cow", ok), 2.0);
	EXPECT_TRUE(ok);
	EXPECT_EQ(scanned(fx.dsp, depth, "the Fat Cat one", ok), 1.0);
	scanned(fx.dsp, depth, "fat", ok);
	EXPECT_FALSE(ok);
	EXPECT_EQ(scanned(fx.dsp, Idx::voice(0, Idx::HOLD), "ON", ok), 1.0);

	const int q = Idx::voice(0, Idx::BPF_Q);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, q, "OFF please", ok), 0.1);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, q, "2.5", ok), 2.5);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, q, "50", ok), 10.0);
	fx.set(q, 0.12);
	EXPECT_EQ(shown(fx.dsp, q), "0.12");

	const int man = Idx::voice(0, Idx::MAN_PHASE);
	fx.set(man, 0.75);  // three quarter turns show as -90 degrees
	EXPECT_EQ(shown(fx.dsp, man), "-90.0");
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, man, "90", ok), 0.25);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, man, "1000", ok), 2.0);

	EXPECT_DOUBLE_EQ(scanned(fx.dsp, Idx::TEMPO, "300", ok), 240.0);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, Idx::TONE_X, "-50", ok), -0.5);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, Idx::TONE_Y, "150", ok), 1.0);
	EXPECT_DOUBLE_EQ(scanned(fx.dsp, Idx::voice(0, Idx::BPF_FREQ), "5", ok), 40.0);
	EXPECT_NEAR(scanned(fx.dsp, Idx::voice(0, Idx::PERIOD), "1/2", ok), 0.5, 1e-12);
	// At 120 BPM (as a normalised float, 120.000001).
	EXPECT_NEAR(scanned(fx.dsp, Idx::voice(0, Idx::PERIOD), "2 s", ok), 4.0, 1e-6);
	EXPECT_NEAR(scanned(fx.dsp, Idx::voice(0, Idx::PERIOD), "1000", ok), 256.0, 1e-12);
	fx.set(Idx::voice(0, Idx::BPF_FREQ), 1234.56);
	EXPECT_EQ(shown(fx.dsp, Idx::voice(0, Idx::BPF_FREQ)), "1235");
}

TEST(EngineParams, TempoFoldsByOctavesAndHostTempoWins)
{
	EngineFixture fx;
	const auto tempo = [&fx]() { return fx.dsp.get_param_ref(Idx::TEMPO)->get_val(); };
	fx.dsp.set_tempo(30);
	EXPECT_NEAR(tempo(), 60, 1e-4);
	fx.dsp.set_tempo(500);
	EXPECT_NEAR(tempo(), 125, 1e-4);
	fx.dsp.set_tempo(240);
	EXPECT_NEAR(tempo(), 240, 1e-4);
	fx.dsp.set_tempo(59);
	EXPECT_NEAR(tempo(), 118, 1e-4);
	EXPECT_NEAR(fx.dsp.get_time_unit().get_tempo(), 118, 1e-4);
	fx.dsp.set_tempo(0);
	fx.dsp.set_tempo(-3);
	fx.dsp.set_tempo(std::nanf(""));
	EXPECT_NEAR(tempo(), 118, 1e-4);

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

TEST(EngineParams, PropertiesAndLfoPhaseMessages)
{
	EngineFixture fx;
	EXPECT_EQ(fx.dsp.get_property("can_mono"), 1.0);
	EXPECT_EQ(fx.dsp.get_property("can_scaled_val"), 0.0);
	EXPECT_EQ(fx.dsp.get_property("plugin_version"), 1.0);
	EXPECT_EQ(fx.dsp.get_property("nope"), 0.0);
	EXPECT_EQ(fx.dsp.get_string_property("plugin_name"), "Tarvelle");
	EXPECT_EQ(fx.dsp.get_string_property("plugin_category"), "effect");
	EXPECT_EQ(fx.dsp.get_string_property("nope"), "");
	EXPECT_EQ(fx.dsp.get_min_sample_freq(), 44000);
	EXPECT_EQ(fx.dsp.get_max_sample_freq(), 384000);
	EXPECT_EQ(fx.dsp.get_input_pin_prop(0).get_name(), "Input");
	EXPECT_EQ(fx.dsp.get_output_pin_prop(7).get_chn_name(1), "Right output");
	EXPECT_EQ(fx.host.init_count, 1);

	// Square LFO on "Tone X" at full depth: its phase moves with the message.
	fx.set(Idx::TONE_X + Idx::LFO_WF, 2);
	fx.set(Idx::TONE_X + Idx::LFO_DEPTH, 1);
	fx.dsp.send_scalar_msg(123, 0.5f);
	fx.dsp.tick(1);
	EXPECT_NEAR(fx.dsp.use_pre_filter().get_gain_1(), std::exp(2 * std::tanh(-2.0)), 1e-5);  // x = -1
	fx.dsp.send_scalar_msg(123, 1.0f);  // 1.0 means 0
	fx.dsp.tick(1);
	EXPECT_NEAR(fx.dsp.use_pre_filter().get_gain_1(), std::exp(2 * std::tanh(2.0)), 1e-5);  // x = +1
	fx.dsp.send_scalar_msg(122, 0.5f);  // ignored: below the LFO messages
	fx.dsp.send_scalar_msg(149, 0.5f);  // ignored: past the 26 LFOs
	fx.dsp.tick(1);
	EXPECT_NEAR(fx.dsp.use_pre_filter().get_gain_1(), std::exp(2 * std::tanh(2.0)), 1e-5);
}
