// The factory sound as the built plug-in ships it: both banks read from the
// resource block of tarvelle.so, their names and order, the memories against
// their namesakes, and every program rendered over a loud mix and a sparse
// beat, for its level, its peaks and its own sound.
#include "support/FakeHostDsp.h"
#include "support/Spectrum.h"

#include "params/BankManager.h"
#include "params/KtpbFileOp.h"
#include "sys/ResourceBlock.h"
#include "tools/render/Fft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <vector>

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
constexpr double BEAT = 0.5;           // seconds: the engine's own 120 BPM, as no tempo comes from the host
constexpr size_t SETTLED = size_t(FS);  // levels are read once feedback and LFOs have had a second

struct Stereo
{
	std::vector<float> l;
	std::vector<float> r;
};

double from_db(double db)
{
	return std::pow(10.0, db / 20);
}

// RMS of both channels together over [a, b).
double rms(const Stereo &x, size_t a, size_t b)
{
	double s = 0;
	for (size_t i = a; i < b; ++i)
	{
		s += double(x.l[i]) * x.l[i] + double(x.r[i]) * x.r[i];
	}
	return std::sqrt(s / double(2 * (b - a)));
}

double peak(const Stereo &x)
{
	double p = 0;
	for (size_t i = 0; i < x.l.size(); ++i)
	{
		p = std::max({p, double(std::fabs(x.l[i])), double(std::fabs(x.r[i]))});
	}
	return p;
}

void scale(Stereo &x, double g)
{
	for (std::vector<float> *chn : {&x.l, &x.r})
	{
		for (float &v : *chn)
		{
			v = float(v * g);
		}
	}
}

// A mastering limiter: the gain, common to both channels, dips ahead of each
// peak that would pass the ceiling and recovers over 80 ms; the waveform
// keeps its shape, as a finished master's does.
void limit(Stereo &x, double ceiling)
{
	const size_t n = x.l.size();
	const size_t ahead = size_t(0.002 * FS);
	const double recover = 1 - std::exp(-1 / (0.08 * FS));
	std::vector<double> need(n);
	for (size_t i = 0; i < n; ++i)
	{
		const double a = std::max(std::fabs(x.l[i]), std::fabs(x.r[i]));
		need[i] = a > ceiling ? ceiling / a : 1.0;
	}
	// Smallest gain needed within the look-ahead, released slowly...
	std::vector<double> g(n);
	double rel = 1;
	for (size_t i = 0; i < n; ++i)
	{
		double m = 1;
		for (size_t j = i; j < std::min(n, i + ahead + 1); ++j)
		{
			m = std::min(m, need[j]);
		}
		rel = std::min(m, rel + (1 - rel) * recover);
		g[i] = rel;
	}
	// ...then averaged over the look-ahead: every sample of the average is at
	// most the gain its peak needs, and the gain moves without corners.
	double sum = double(ahead + 1);  // unity gain before the start
	for (size_t i = 0; i < n; ++i)
	{
		sum += g[i] - (i > ahead ? g[i - ahead - 1] : 1.0);
		const double gi = sum / double(ahead + 1);
		x.l[i] = float(x.l[i] * gi);
		x.r[i] = float(x.r[i] * gi);
	}
}

// Adds a decaying tone at f with harmonics h falling by 1/h^tilt from t0 for dur seconds.
void add_note(std::vector<float> &x, double t0, double dur, double f, double amp, int nbr_harm, double tilt,
              double decay, std::mt19937 &rng)
{
	std::uniform_real_distribution<double> phase(0, 2 * PI);
	const size_t a = size_t(t0 * FS);
	const size_t b = std::min(x.size(), size_t((t0 + dur) * FS));
	for (int h = 1; h <= nbr_harm && f * h < 0.45 * FS; ++h)
	{
		const double w = 2 * PI * f * h / FS;
		const double g = amp / std::pow(h, tilt);
		const double ph = phase(rng);
		for (size_t i = a; i < b; ++i)
		{
			const double t = double(i - a) / FS;
			const double env = std::min({1.0, t / 0.005, (dur - t) / 0.02}) * std::exp(-t / decay);
			x[i] += float(g * env * std::sin(w * double(i - a) + ph));
		}
	}
}

// Adds a sung note at f0: harmonics shaped by the vowel's first two
// formants f1 and f2, a 5.5 Hz vibrato.
void add_vowel(std::vector<float> &x, double t0, double dur, double f0, double f1, double f2, double amp)
{
	const size_t a = size_t(t0 * FS);
	const size_t b = std::min(x.size(), size_t((t0 + dur) * FS));
	for (int h = 1; f0 * h < 5000; ++h)
	{
		const double f = f0 * h;
		const double g = amp * (1 / std::hypot(1.0, (f - f1) / (0.25 * f1)) + 0.7 / std::hypot(1.0, (f - f2) / 200));
		double ph = 0;
		for (size_t i = a; i < b; ++i)
		{
			const double t = double(i - a) / FS;
			ph += 2 * PI * f * (1 + 0.006 * std::sin(2 * PI * 5.5 * t)) / FS;
			x[i] += float(g * std::min({1.0, t / 0.03, (dur - t) / 0.03}) * std::sin(ph));
		}
	}
}

// Four bars of a dense, loud mix: sawtooth chords a bar long, an eighth-note
// bass, a sung line, kick on every beat, snare on two and four, hats on the
// eighths. Scaled to -12 dBFS RMS and limited to peaks of -2 dBFS, as a
// finished master would be.
Stereo loud_mix()
{
	const double dur = 16 * BEAT;
	Stereo x;
	x.l.assign(size_t(dur * FS), 0.0f);
	x.r.assign(x.l.size(), 0.0f);
	std::mt19937 rng(1234);
	std::uniform_real_distribution<double> white(-1.0, 1.0);
	const double chords[4][3] = {{220.0, 261.63, 329.63}, {174.61, 220.0, 261.63}, {261.63, 329.63, 392.0},
	                             {196.0, 246.94, 293.66}};
	for (int bar = 0; bar < 4; ++bar)
	{
		for (const double f : chords[bar])
		{
			add_note(x.l, bar * 4 * BEAT, 4 * BEAT, f, 0.15, 24, 1.0, 8.0, rng);
			add_note(x.r, bar * 4 * BEAT, 4 * BEAT, f * 1.003, 0.15, 24, 1.0, 8.0, rng);
		}
		for (int e = 0; e < 8; ++e)
		{
			const double t0 = (bar * 4 + e * 0.5) * BEAT;
			add_note(x.l, t0, 0.5 * BEAT, chords[bar][0] / 4, 0.35, 6, 1.5, 0.15, rng);
			add_note(x.r, t0, 0.5 * BEAT, chords[bar][0] / 4, 0.35, 6, 1.5, 0.15, rng);
		}
	}
	// A sung line on top, through the vowels "ee", "ah", "eh" and "oo": their
	// formants sweep the middle, where the ear is keenest.
	std::vector<float> voice(x.l.size(), 0.0f);
	const double melody[] = {329.63, 392.0, 440.0, 392.0, 349.23, 440.0, 523.25, 440.0,
	                         392.0, 523.25, 587.33, 523.25, 493.88, 392.0, 293.66, 392.0};
	const double vowels[4][2] = {{300, 2300}, {700, 1200}, {530, 1850}, {300, 870}};
	for (int q = 0; q < 16; ++q)
	{
		add_vowel(voice, q * BEAT, BEAT, melody[q], vowels[q % 4][0], vowels[q % 4][1], 0.25);
	}
	for (size_t i = 0; i < voice.size(); ++i)
	{
		x.l[i] += voice[i];
		x.r[i] += voice[i];
	}
	const size_t n = x.l.size();
	const size_t beat_len = size_t(BEAT * FS);
	double hp_l = 0;
	double hp_r = 0;
	for (size_t i = 0; i < n; ++i)
	{
		const size_t beat = i / beat_len;
		const double t = double(i % beat_len) / FS;
		const double te = std::fmod(t, 0.5 * BEAT);
		const double kick_ph = 2 * PI * (50 * t + (150.0 - 50) * 0.03 * (1 - std::exp(-t / 0.03)));
		double mono = 0.5 * std::sin(kick_ph) * std::exp(-t / 0.12);
		if (beat % 2 == 1)
		{
			mono += 0.15 * std::sin(2 * PI * 185 * t) * std::exp(-t / 0.08);
		}
		const double nl = white(rng);
		const double nr = white(rng);
		const double snare = beat % 2 == 1 ? 0.25 * std::exp(-t / 0.06) : 0.0;
		const double hat = 0.15 * std::exp(-te / 0.02);
		// A first difference leaves the hats bright and thin.
		const double hl = nl - hp_l;
		const double hr = nr - hp_r;
		hp_l = nl;
		hp_r = nr;
		x.l[i] += float(mono + snare * nl + 0.7 * hat * hl);
		x.r[i] += float(mono + snare * nr + hat * hr);
	}
	for (int pass = 0; pass < 3; ++pass)
	{
		scale(x, from_db(-12) / rms(x, 0, n));
		limit(x, from_db(-2));
	}
	return x;
}

// Adds a plucked square wave: odd harmonics in phase, so its flat tops and
// steep edges come through whole.
void add_square_pluck(std::vector<float> &x, double t0, double f, double amp, double decay)
{
	const size_t a = size_t(t0 * FS);
	const size_t len = std::min(size_t(6 * decay * FS), x.size() - a);
	for (int h = 1; f * h < 0.45 * FS; h += 2)
	{
		const double w = 2 * PI * f * h / FS;
		for (size_t i = 0; i < len; ++i)
		{
			const double t = double(i) / FS;
			x[a + i] += float(amp / h * std::min(1.0, t / 0.002) * std::exp(-t / decay) * std::sin(w * double(i)));
		}
	}
}

// Eight seconds of a sparse, bass-heavy beat peaking at -6 dBFS: a kick and
// a long sub bass under claps, a few hats and short square-wave plucks in
// sixteenths with rests, their echo a dotted eighth later on the other
// side. Little level between the hits, so a program's peaks, not its
// average, come first.
Stereo sparse_beat()
{
	const size_t n = size_t(16 * BEAT * FS);
	std::vector<float> low(n, 0.0f);
	std::vector<float> lead(n, 0.0f);
	Stereo x;
	x.l.assign(n, 0.0f);
	x.r.assign(n, 0.0f);
	std::mt19937 rng(4321);
	std::uniform_real_distribution<double> white(-1.0, 1.0);
	const double roots[] = {55.0, 43.65, 65.41, 49.0};
	const double kicks[] = {0, 0.75, 1.25};  // beats into each half bar
	for (int bar = 0; bar < 4; ++bar)
	{
		for (int half = 0; half < 2; ++half)
		{
			for (const double k : kicks)
			{
				const double t0 = (bar * 4 + half * 2 + k) * BEAT;
				for (size_t i = size_t(t0 * FS); i < std::min(n, size_t((t0 + 0.3) * FS)); ++i)
				{
					const double t = double(i) / FS - t0;
					const double ph = 2 * PI * (45 * t + (120.0 - 45) * 0.02 * (1 - std::exp(-t / 0.02)));
					low[i] += float(0.8 * std::sin(ph) * std::exp(-t / 0.09));
				}
			}
		}
		add_note(low, bar * 4 * BEAT, 3 * BEAT, roots[bar], 0.5, 3, 2.0, 1.0, rng);
	}
	const double notes[] = {659.26, 0, 0, 880.0, 0, 0, 783.99, 0, 0, 0, 698.46, 0, 0, 0, 0, 0};
	for (int s16 = 0; s16 < 64; ++s16)
	{
		const double f = notes[(s16 * 5 + s16 / 16) % 16];  // the pattern shifts from bar to bar
		if (f > 0)
		{
			add_square_pluck(lead, s16 * 0.25 * BEAT, f, 0.35, 0.08);
		}
	}
	const size_t beat_len = size_t(BEAT * FS);
	const size_t echo = size_t(0.75 * BEAT * FS);
	for (size_t i = 0; i < n; ++i)
	{
		const double t = double(i % beat_len) / FS;
		const bool clap = (i / beat_len) % 2 == 1;
		const double hat = (i / (beat_len / 2)) % 2 == 1 ? 0.12 * std::exp(-std::fmod(t, 0.5 * BEAT) / 0.015) : 0.0;
		const double noise_l = white(rng);
		const double noise_r = white(rng);
		const double c = clap ? 0.3 * std::exp(-t / 0.05) * (t < 0.02 ? std::fmod(t, 0.007) / 0.007 : 1.0) : 0.0;
		const double e = i >= echo ? 0.4 * lead[i - echo] : 0.0;
		const int side = int((i / echo) % 2);
		x.l[i] = float(low[i] + lead[i] + e * side + (c + hat) * noise_l);
		x.r[i] = float(low[i] + lead[i] + e * (1 - side) + (c + 0.7 * hat) * noise_r);
	}
	scale(x, from_db(-6) / peak(x));
	return x;
}

Stereo render(const rivo::ProgramSlot &slot, const Stereo &in)
{
	EngineFixture fx(static_cast<float>(FS));
	fx.dsp.do_set_program(slot);
	fx.settle();  // a host runs the plug-in on silence before the music starts
	Stereo out;
	fx.render(in.l, in.r, out.l, out.r);
	return out;
}

bool all_finite(const Stereo &x)
{
	for (size_t i = 0; i < x.l.size(); ++i)
	{
		if (!std::isfinite(x.l[i]) || !std::isfinite(x.r[i]))
		{
			return false;
		}
	}
	return true;
}

// What an ear follows: the level in each third-octave band from 50 Hz to
// 13 kHz, in dB, for each channel and each 46 ms frame.
std::vector<double> band_levels(const Stereo &x)
{
	constexpr size_t N = 2048;
	constexpr int NBR_BANDS = 24;
	std::vector<double> levels;
	std::vector<std::complex<double>> buf(N);
	for (const std::vector<float> *chn : {&x.l, &x.r})
	{
		for (size_t start = 0; start + N <= chn->size(); start += N)
		{
			for (size_t i = 0; i < N; ++i)
			{
				const double hann = 0.5 - 0.5 * std::cos(2 * PI * double(i) / N);
				buf[i] = (*chn)[start + i] * hann;
			}
			rivo::fft(buf);
			for (int band = 0; band < NBR_BANDS; ++band)
			{
				const double f_lo = 50 * std::pow(2.0, band / 3.0);
				const double f_hi = f_lo * std::pow(2.0, 1 / 3.0);
				double e = 1e-12;  // far under any sound: silence compares equal to silence
				for (size_t k = size_t(std::ceil(f_lo * N / FS)); double(k) < f_hi * N / FS; ++k)
				{
					e += std::norm(buf[k]);
				}
				levels.push_back(10 * std::log10(e));
			}
		}
	}
	return levels;
}

// RMS difference in dB between two band-level maps once their mean level
// difference is taken out: a plain volume change is not another sound.
double sound_distance(const std::vector<double> &a, const std::vector<double> &b)
{
	double mean = 0;
	for (size_t i = 0; i < a.size(); ++i)
	{
		mean += (a[i] - b[i]) / double(a.size());
	}
	double s = 0;
	for (size_t i = 0; i < a.size(); ++i)
	{
		const double d = a[i] - b[i] - mean;
		s += d * d;
	}
	return std::sqrt(s / double(a.size()));
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

// Programs may share most settings, but no two may sound alike: over the
// loud mix, the band levels of every pair differ by more than 1 dB RMS
// beyond a plain volume change, about the smallest level step one hears.
TEST(FactoryBanks, EveryProgramIsItsOwnSound)
{
	const rivo::BankManager factory = bank_from_plugin("static_presets");
	ASSERT_EQ(factory.get_nbr_prog(), 96);
	const Stereo in = loud_mix();
	std::vector<std::vector<double>> levels;
	for (int p = 0; p < 96; ++p)
	{
		levels.push_back(band_levels(render(factory[p], in)));
	}
	double closest = 1e9;
	for (int a = 0; a < 96; ++a)
	{
		for (int b = a + 1; b < 96; ++b)
		{
			const double d = sound_distance(levels[size_t(a)], levels[size_t(b)]);
			EXPECT_GT(d, 1.0) << FACTORY_NAMES[a] << " and " << FACTORY_NAMES[b] << " sound alike";
			closest = std::min(closest, d);
		}
	}
	std::printf("closest pair of programs: %.2f dB apart\n", closest);
}

// Nothing silent, nothing blasting, on a loud mix and on a sparse beat: each
// program stays finite, keeps its peaks 0.3 dB under full scale, and its
// level against the input lies within 4 dB of the median program's, so that
// switching programs needs no hand on the fader.
TEST(FactoryBanks, EveryProgramKeepsALevelFitForUse)
{
	const rivo::BankManager factory = bank_from_plugin("static_presets");
	ASSERT_EQ(factory.get_nbr_prog(), 96);
	const bool show = std::getenv("TARVELLE_SHOW_LEVELS") != nullptr;
	struct Probe
	{
		const char *name;
		Stereo in;
	};
	const Probe probes[] = {{"loud mix", loud_mix()}, {"sparse beat", sparse_beat()}};
	// The signals are what they claim to be.
	const Stereo &mix = probes[0].in;
	ASSERT_NEAR(to_db(rms(mix, 0, mix.l.size())), -12.0, 0.5);
	ASSERT_NEAR(to_db(peak(mix)), -2.0, 0.1);
	ASSERT_NEAR(to_db(peak(probes[1].in)), -6.0, 0.01);
	for (const Probe &probe : probes)
	{
		SCOPED_TRACE(probe.name);
		const size_t n = probe.in.l.size();
		const double in_rms = rms(probe.in, SETTLED, n);
		std::vector<double> level(96);
		std::vector<double> peak_db(96);
		for (int p = 0; p < 96; ++p)
		{
			const Stereo out = render(factory[p], probe.in);
			EXPECT_TRUE(all_finite(out)) << FACTORY_NAMES[p];
			level[size_t(p)] = to_db(rms(out, SETTLED, n) / in_rms);
			peak_db[size_t(p)] = to_db(peak(out));
		}
		std::vector<double> sorted = level;
		std::sort(sorted.begin(), sorted.end());
		const double median = 0.5 * (sorted[47] + sorted[48]);
		// The bank as a whole sits at the input's level or a little under it.
		EXPECT_LE(median, 0.0);
		EXPECT_GE(median, -6.0);
		double widest = 0;
		for (int p = 0; p < 96; ++p)
		{
			EXPECT_LE(peak_db[size_t(p)], -0.3) << FACTORY_NAMES[p];
			EXPECT_NEAR(level[size_t(p)], median, 4.0) << FACTORY_NAMES[p];
			widest = std::max(widest, std::fabs(level[size_t(p)] - median));
			if (show)
			{
				std::printf("%-14s %-30s %+6.2f dB  peak %+6.2f dBFS\n", probe.name, FACTORY_NAMES[p], level[size_t(p)],
				            peak_db[size_t(p)]);
			}
		}
		std::printf("%s: median level %+.2f dB, widest departure %.2f dB, highest peak %+.2f dBFS\n", probe.name,
		            median, widest, *std::max_element(peak_db.begin(), peak_db.end()));
	}
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

// Frames lie on a fixed grid, so no program sounds different when the host
// cuts the audio into other blocks, however small.
TEST(FactoryBanks, EveryProgramSoundsTheSameWhateverTheBlockSize)
{
	const rivo::BankManager factory = bank_from_plugin("static_presets");
	Stereo in;
	std::mt19937 rng(3);
	std::uniform_real_distribution<float> noise(-0.3f, 0.3f);
	for (int i = 0; i < int(FS / 2); ++i)
	{
		in.l.push_back(noise(rng));
		in.r.push_back(noise(rng));
	}
	for (int p = 0; p < factory.get_nbr_prog(); ++p)
	{
		Stereo ref;
		for (long block : {4096L, 1L, 37L, 256L})
		{
			EngineFixture fx(static_cast<float>(FS));
			fx.dsp.do_set_program(factory[p]);
			Stereo out;
			fx.render(in.l, in.r, out.l, out.r, block);
			if (ref.l.empty())
			{
				ref = out;
				continue;
			}
			// Sample for sample: every ramp gives each sample the value of its place in the frame.
			EXPECT_TRUE(out.l == ref.l && out.r == ref.r) << factory[p].get_name() << ", block " << block;
		}
	}
}
