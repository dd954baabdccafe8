// The factory sound as the built plug-in ships it: both banks read from the
// resource block of tarvelle.so, their names and order, the memories against
// their namesakes, and every program rendered over a test signal of noise
// bursts, a chord and a kick pattern.
#include "support/FakeHostDsp.h"
#include "support/Spectrum.h"

#include "params/BankManager.h"
#include "params/KtpbFileOp.h"
#include "sys/ResourceBlock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

using namespace testsupport;

namespace
{

// Written out again here rather than taken from the bank tool, so that a
// misordered or misspelt name in either place shows.
const char *const FACTORY_NAMES[96] = {
   "Slow, No Feedback, T1", "Slow, Feedback, T1", "Slow, No Feedback, T2", "Slow, Feedback, T3",
   "Fast, No Feedback, T1", "Fast, Feedback, T1", "Fast, Feedback, T2", "Fast, Feedback, T3",
   "Circular Celluloid", "Circular Celluloid Simple", "Circular Celluloid Fast", "Circular Celluloid Static",
   "Hold And Oscillate (Slow)", "Hold And Oscillate (Med)", "Hold And Oscillate (Fast)",
   "Hold And Oscillate (Extreme)", "cosmic padder", "pleasant lover", "bouncing pad", "bubbling insane",
   "moving shadows", "complicated son", "spectral ghost", "glass of bones", "Yellow snow", "Third rythm",
   "Pizzicato", "Earthquake", "Crying nerd", "Chaotic paints", "High chaos", "Crazy reson", "Hidin egg",
   "Spit in da soup", "Rhumathisme", "Ant walk", "Sadistic", "Magic van", "Hazardous", "Panic on the beach",
   "Random Periods", "Triggering Crazyness", "Souvent Femme Avarie", "Sables mouvants",
   "Random Periods Revisited", "Random Periods Special", "Mad Cow Decease", "Doctor Moreau's Experiment",
   "rythm shifter 1", "rythm shifter 2", "rythm shifter 3", "rythm shifter 4", "rythm shifter 5",
   "rythm shifter 6", "rythm shifter 7", "rythm shifter 8", "Ketchup Chicken", "Resonate And Run",
   "Tonal Agressivity", "Mexico Sun", "Band Password", "Black Hole", "Weird Vibrator", "Wobbling Vibrator",
   "Glorg", "Gringo Modulation", "Underground Underdog", "Chipster", "Scourging", "Enhanced Scourging",
   "Perforator", "Bonaparte", "pacific wave", "square sea", "randomized water", "distorted reality",
   "diving with sharks", "moving water", "dolphins in the wood", "paranoid fish", "Lover Swap", "Sanction",
   "Looking At Changing Colors", "Overdriven Rambo", "Frozen Leg", "Meditation", "Brainquake",
   "Desert Wind Sculptures", "voice ghoster 1", "voice ghoster 2", "voice ghoster 3", "voice ghoster 4",
   "voice ghoster 5", "voice ghoster 6", "voice ghoster 7", "voice ghoster 8"};
const char *const MEMORY_NAMES[8] = {"Slow, No Feedback, T1", "Fast, Feedback, T3", "Circular Celluloid Fast",
                                     "Lover Swap",            "Random Periods Revisited", "Glorg",
                                     "Third rythm",           "Rhumathisme"};

rivo::BankManager bank_from_plugin(const char *name_0)
{
	sys::ResourceBlock block;
	EXPECT_EQ(block.read_from_file(TARVELLE_SO), sys::ResourceBlock::Err_OK);
	size_t size = 0;
	const unsigned char *data = block.find(sys::ResourceBlock::make_type_code("KTPB"), name_0, size);
	rivo::BankManager bank(1);
	EXPECT_NE(data, nullptr) << name_0;
	if (data != nullptr)
	{
		EXPECT_EQ(rivo::KtpbFileOp::load_bank_mem(data, long(size), bank, false), 0) << name_0;
	}
	return bank;
}

constexpr double FS = 44100;

double rms(const std::vector<float> &x, size_t a, size_t b)
{
	double s = 0;
	for (size_t i = a; i < b; ++i)
	{
		s += double(x[i]) * x[i];
	}
	return std::sqrt(s / double(b - a));
}

void scale_to_rms(std::vector<float> &x, size_t a, size_t b, double target)
{
	const double g = target / rms(x, a, b);
	for (size_t i = a; i < b; ++i)
	{
		x[i] = float(x[i] * g);
	}
}

// Ten seconds in three parts, each at -12 dBFS RMS: bursts of noise, a
// sustained chord, a kick pattern. Like music, each falls off towards the
// highs, and the channels differ a little, as real stereo does.
void make_test_signal(std::vector<float> &l, std::vector<float> &r)
{
	const size_t n = size_t(10 * FS);
	const size_t third = n / 3;
	const double target = std::pow(10.0, -12.0 / 20);
	l.assign(n, 0.0f);
	r.assign(n, 0.0f);
	std::mt19937 rng(1234);
	std::uniform_real_distribution<double> white(-1.0, 1.0);
	for (float *chn : {l.data(), r.data()})
	{
		// White noise through a gentle low-pass, limited to 2 sigma as a
		// mastered recording would be.
		double lp = 0;
		double sum2 = 0;
		for (size_t i = 0; i < third; ++i)
		{
			const double w = white(rng);
			lp += 0.25 * (w - lp);  // about 2 kHz
			chn[i] = float(lp + 0.3 * w);
			sum2 += double(chn[i]) * chn[i];
		}
		const double lim = 2 * std::sqrt(sum2 / double(third));
		for (size_t i = 0; i < third; ++i)
		{
			const double t = std::fmod(double(i) / FS, 0.5);  // a 0.3 s burst every 0.5 s
			const double env = t < 0.3 ? std::min({1.0, t / 0.005, (0.3 - t) / 0.005}) : 0.0;
			chn[i] = float(std::clamp(double(chn[i]), -lim, lim) * env);
		}
	}
	const double chord[] = {220.0, 261.63, 329.63, 392.0};
	std::uniform_real_distribution<double> phase(0, 2 * PI);
	for (const double detune : {1.0, 1.002})
	{
		float *chn = detune == 1.0 ? l.data() : r.data();
		for (double f : chord)
		{
			for (int h = 1; h <= 6; ++h)  // a soft saw: harmonics falling by 1/h
			{
				const double ph = phase(rng);
				const double w = 2 * PI * f * detune * h / FS;
				for (size_t i = third; i < 2 * third; ++i)
				{
					chn[i] += float(std::sin(w * double(i - third) + ph) / h);
				}
			}
		}
	}
	for (size_t i = 2 * third; i < n; ++i)
	{
		const double t = std::fmod(double(i - 2 * third) / FS, 0.25);  // four kicks a second
		const double ph = 2 * PI * (50 * t + (150.0 - 50) * 0.03 * (1 - std::exp(-t / 0.03)));
		l[i] = r[i] = float(std::sin(ph) * std::exp(-t / 0.12));
	}
	for (size_t part = 0; part < 3; ++part)
	{
		const size_t b = part == 2 ? n : (part + 1) * third;
		scale_to_rms(l, part * third, b, target);
		scale_to_rms(r, part * third, b, target);
	}
}

struct Level
{
	double rms_db;
	double peak;
	bool finite;
};

Level render_program(const rivo::ProgramSlot &slot, const std::vector<float> &in_l, const std::vector<float> &in_r)
{
	EngineFixture fx(static_cast<float>(FS));
	fx.dsp.do_set_program(slot);
	fx.settle();  // a host runs the plug-in on silence before the music starts
	std::vector<float> l;
	std::vector<float> r;
	fx.render(in_l, in_r, l, r);
	Level lv{0, 0, true};
	double s = 0;
	for (size_t i = 0; i < l.size(); ++i)
	{
		lv.finite = lv.finite && std::isfinite(l[i]) && std::isfinite(r[i]);
		lv.peak = std::max({lv.peak, double(std::fabs(l[i])), double(std::fabs(r[i]))});
		s += double(l[i]) * l[i] + double(r[i]) * r[i];
	}
	const double in_rms = std::hypot(rms(in_l, 0, in_l.size()), rms(in_r, 0, in_r.size()));
	lv.rms_db = to_db(std::sqrt(s / double(l.size())) / in_rms);
	return lv;
}

}  // namespace

TEST(FactoryBanks, NamesAndOrderAsShipped)
{
	const rivo::BankManager factory = bank_from_plugin("static_presets");
	ASSERT_EQ(factory.get_nbr_prog(), 96);
	for (int i = 0; i < 96; ++i)
	{
		EXPECT_EQ(factory[i].get_name(), FACTORY_NAMES[i]) << "program " << i;
		EXPECT_EQ(factory[i].get_nbr_param(), 123) << FACTORY_NAMES[i];
	}
	const rivo::BankManager memories = bank_from_plugin("default_preset_bank");
	ASSERT_EQ(memories.get_nbr_prog(), 8);
	for (int m = 0; m < 8; ++m)
	{
		const auto it = std::find(std::begin(FACTORY_NAMES), std::end(FACTORY_NAMES), std::string(MEMORY_NAMES[m]));
		ASSERT_NE(it, std::end(FACTORY_NAMES));
		EXPECT_TRUE(memories[m] == factory[int(it - std::begin(FACTORY_NAMES))]) << MEMORY_NAMES[m];
	}
}

TEST(FactoryBanks, EveryProgramIsItsOwnSound)
{
	const rivo::BankManager factory = bank_from_plugin("static_presets");
	ASSERT_EQ(factory.get_nbr_prog(), 96);
	for (int a = 0; a < 96; ++a)
	{
		for (int b = a + 1; b < 96; ++b)
		{
			bool same = true;
			for (int i = 0; i < 123 && same; ++i)
			{
				same = factory[a].get_parameter(i) == factory[b].get_parameter(i);
			}
			EXPECT_FALSE(same) << FACTORY_NAMES[a] << " and " << FACTORY_NAMES[b] << " sound alike";
		}
	}
}

// Nothing silent, nothing blasting: each program over the test signal stays
// finite, under full scale and within 6 dB of the input level.
TEST(FactoryBanks, EveryProgramKeepsALevelFitForUse)
{
	const rivo::BankManager factory = bank_from_plugin("static_presets");
	ASSERT_EQ(factory.get_nbr_prog(), 96);
	std::vector<float> in_l;
	std::vector<float> in_r;
	make_test_signal(in_l, in_r);
	double lo = 1e9;
	double hi = -1e9;
	double peak = 0;
	for (int p = 0; p < 96; ++p)
	{
		const Level lv = render_program(factory[p], in_l, in_r);
		EXPECT_TRUE(lv.finite) << FACTORY_NAMES[p];
		EXPECT_LE(lv.peak, 1.0) << FACTORY_NAMES[p];
		EXPECT_NEAR(lv.rms_db, 0.0, 6.0) << FACTORY_NAMES[p];
		lo = std::min(lo, lv.rms_db);
		hi = std::max(hi, lv.rms_db);
		peak = std::max(peak, lv.peak);
		if (std::getenv("TARVELLE_SHOW_LEVELS") != nullptr)
		{
			std::printf("%-30s %+6.2f dB  peak %6.2f dBFS\n", FACTORY_NAMES[p], lv.rms_db, to_db(lv.peak));
		}
	}
	std::printf("level against the input: %+.2f .. %+.2f dB; highest peak %.2f dBFS\n", lo, hi, to_db(peak));
}

// The first eight programs name their own settings: "Slow" and "Fast" periods,
// "Feedback" or none, and T1, T2, T3 as one period, two in 2:3 and three in
// 2:3:4 among the voices that sound.
TEST(FactoryBanks, TheBasicsAreWhatTheirNamesSay)
{
	const rivo::BankManager factory = bank_from_plugin("static_presets");
	ASSERT_EQ(factory.get_nbr_prog(), 96);
	for (int p = 0; p < 8; ++p)
	{
		const std::string name = factory[p].get_name();
		EngineFixture fx;
		fx.dsp.do_set_program(factory[p]);
		std::vector<double> periods;
		for (int k = 0; k < 4; ++k)
		{
			if (fx.dsp.get_param_ref(Idx::voice(k, Idx::GAIN))->get_val() < 1e-5)
			{
				continue;
			}
			const double period = fx.dsp.get_param_ref(Idx::voice(k, Idx::PERIOD))->get_val();
			const double fdbk = fx.dsp.get_param_ref(Idx::voice(k, Idx::FDBK_LVL))->get_val();
			periods.push_back(period);
			if (name.rfind("Slow", 0) == 0)
			{
				EXPECT_GE(period, 4.0) << name;
			}
			else
			{
				EXPECT_LE(period, 0.5) << name;
			}
			if (name.find("No Feedback") != std::string::npos)
			{
				EXPECT_EQ(fdbk, 0.0) << name;
			}
			else
			{
				EXPECT_GE(fdbk, 0.6 - 1e-6) << name;  // stored as a float
			}
		}
		std::sort(periods.begin(), periods.end());
		const char tempo = name.back();  // T1, T2 or T3
		ASSERT_EQ(periods.size(), size_t(tempo - '0')) << name;
		const double ratios[][2] = {{1, 1}, {1.5, 1}, {1.5, 2}};
		for (size_t i = 1; i < periods.size(); ++i)
		{
			EXPECT_NEAR(periods[i] / periods[0], ratios[tempo - '1'][i - 1], 1e-4) << name;
		}
	}
}
