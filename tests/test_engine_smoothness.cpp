// Zipper noise and block-size dependence measured from outside: the energy a
// modulated parameter adds above 8 kHz to a 220 Hz sine, taken with a
// high-pass filter of the test's own.
#include "support/FakeHostDsp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace testsupport;

namespace
{

constexpr double FS = 48000;

// Eighth-order Butterworth high-pass at 8 kHz as four biquads designed here
// (bilinear transform with prewarping), run in double precision.
double energy_above_8k(const std::vector<float> &x, size_t from)
{
	const double pi = 3.14159265358979323846;
	const double k = std::tan(pi * 8000 / FS);
	double e = 0;
	std::vector<double> y(x.begin(), x.end());
	for (int stage = 0; stage < 4; ++stage)
	{
		const double q = 1 / (2 * std::cos(pi * (2 * stage + 1) / 16));
		const double norm = 1 / (1 + k / q + k * k);
		const double b0 = norm, b1 = -2 * norm, b2 = norm;
		const double a1 = 2 * (k * k - 1) * norm, a2 = (1 - k / q + k * k) * norm;
		double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
		for (double &v : y)
		{
			const double out = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
			x2 = x1;
			x1 = v;
			y2 = y1;
			y1 = out;
			v = out;
		}
	}
	for (size_t i = from; i < y.size(); ++i)
	{
		e += y[i] * y[i];
	}
	return e;
}

// dB of the energy above 8 kHz against the energy of the output.
double zipper_db(const std::vector<float> &x, size_t from)
{
	double total = 0;
	for (size_t i = from; i < x.size(); ++i)
	{
		total += double(x[i]) * x[i];
	}
	return 10 * std::log10(energy_above_8k(x, from) / total);
}

std::vector<float> sine220(long n)
{
	std::vector<float> v(static_cast<size_t>(n));
	for (long i = 0; i < n; ++i)
	{
		v[size_t(i)] = float(0.25 * std::sin(2 * 3.14159265358979323846 * 220 * double(i) / FS));
	}
	return v;
}

// A sine LFO of full depth at 8 Hz (1/16 beat at 120 BPM) on one parameter.
void lfo_on(EngineFixture &fx, int param_index)
{
	fx.set(param_index + Idx::LFO_PER, 1.0 / 16);
	fx.set(param_index + Idx::LFO_WF, 0);
	fx.set(param_index + Idx::LFO_DEPTH, 1.0);
}

double measure(int param_index, long block)
{
	EngineFixture fx{float(FS)};
	fx.set(Idx::voice(0, Idx::GAIN), 1.0);
	fx.set(Idx::voice(0, Idx::HOLD), 1);
	fx.set(Idx::TONE_X, 1.0);  // the tone filter's bands at full gain, so that Tone Y moves them audibly
	lfo_on(fx, param_index);
	const std::vector<float> in = sine220(long(FS));
	std::vector<float> l, r;
	fx.render(in, in, l, r, block);
	return zipper_db(l, size_t(FS / 4));
}

// Square LFO on the manual phase, as the factory program "Perforator" has it.
void set_square(EngineFixture &fx)
{
	fx.set(Idx::voice(0, Idx::GAIN), 1.0);
	fx.set(Idx::voice(0, Idx::HOLD), 1);
	fx.set(Idx::voice(0, Idx::FDBK_LVL), 0.6);
	const int man = Idx::voice(0, Idx::MAN_PHASE);
	fx.set(man + Idx::LFO_PER, 1.0 / 8);
	fx.set(man + Idx::LFO_WF, 2);
	fx.set(man + Idx::LFO_DEPTH, 0.7);
}

// Moving band filters, feedback and colour: every ramp of a voice at work.
void set_moving_voice(EngineFixture &fx)
{
	fx.set(Idx::voice(0, Idx::GAIN), 1.0);
	fx.set(Idx::voice(0, Idx::BPF_Q), 3.0);
	for (int offset : {Idx::BPF_FREQ, Idx::FDBK_LVL, Idx::FDBK_COL})
	{
		fx.set(Idx::voice(0, offset + Idx::LFO_PER), 1.0 / 8);
		fx.set(Idx::voice(0, offset + Idx::LFO_DEPTH), 1.0);
	}
}

std::vector<float> render_left(EngineFixture &fx, long n, long block)
{
	const std::vector<float> in = sine220(n);
	std::vector<float> l, r;
	fx.render(in, in, l, r, block);
	return l;
}

}  // namespace

// An 8 Hz full-depth LFO on the feedback level or on "Tone Y" moves values
// that the signal path ramps across each frame: nothing of the frame rate
// (188 Hz at 256 samples) shows as steps above 8 kHz.
TEST(EngineSmoothness, ModulatedFeedbackAndToneDoNotZip)
{
	for (long block : {32L, 256L})
	{
		EXPECT_LT(measure(Idx::voice(0, Idx::FDBK_LVL), block), -85) << block;
		EXPECT_LT(measure(Idx::TONE_Y, block), -85) << block;
	}
}

// A square LFO on the manual phase (as "Perforator" has it) changes the phase
// at once; the change glides over a frame of fixed length, whatever the
// host's block size, and the output is the same sample for sample. Before
// frames lay on a fixed grid, 1-sample blocks left -33 dB above 8 kHz,
// 256-sample blocks -69.5 dB.
TEST(EngineSmoothness, SuddenChangesSoundTheSameAtEveryBlockSize)
{
	EngineFixture ref{float(FS)};
	set_square(ref);
	const std::vector<float> at_256 = render_left(ref, long(FS), 256);
	EXPECT_LT(zipper_db(at_256, size_t(FS / 4)), -65);
	for (long block : {1L, 32L, 4096L})
	{
		EngineFixture fx{float(FS)};
		set_square(fx);
		const std::vector<float> out = render_left(fx, long(FS), block);
		// Alike but for the tone filters' anti-denormal offset (1e-20), which
		// a block too short to hold a pair of samples leaves out.
		for (size_t i = 0; i < out.size(); ++i)
		{
			ASSERT_NEAR(out[i], at_256[i], 1e-15) << block << ", sample " << i;
		}
	}
}

// A clear (on resume, or after a new rate) may cut a frame short: what
// follows does not depend on where the host's last block ended.
TEST(EngineSmoothness, AClearMidFrameLeavesNoTrace)
{
	std::vector<float> after[2];
	for (int k = 0; k < 2; ++k)
	{
		EngineFixture fx{float(FS)};
		set_moving_voice(fx);
		render_left(fx, k == 0 ? 1000 : 1024, 500);
		fx.dsp.clear_buffers();
		after[k] = render_left(fx, 4096, 256);
	}
	EXPECT_TRUE(after[0] == after[1]);
}

// A stretch of mono input, while the tone filters move, leaves both filter
// chains alike: identical channels afterwards come out identical.
TEST(EngineSmoothness, BothChannelsAlikeAfterMonoInput)
{
	EngineFixture fx{float(FS)};
	fx.set(Idx::voice(0, Idx::GAIN), 0.0);  // only the coloured dry signal, the same on both sides
	fx.set(Idx::TONE_X, 1.0);
	lfo_on(fx, Idx::TONE_Y);
	fx.host.stereo_in = false;
	const std::vector<float> silence(4096, 0.0f);
	std::vector<float> l0, r0;
	fx.render(silence, silence, l0, r0, 256);  // silence: both chains' memories stay alike, only the filters move
	fx.host.stereo_in = true;
	const std::vector<float> in = sine220(4096);
	std::vector<float> l, r;
	fx.render(in, in, l, r, 256);
	double worst = 0;
	for (size_t i = 0; i < l.size(); ++i)
	{
		worst = std::max(worst, double(std::fabs(l[i] - r[i])));
	}
	EXPECT_LT(worst, 1e-6);
}

// A voice switched off fades out over a frame instead of stopping dead, and
// fades in again when switched back on.
TEST(EngineSmoothness, AVoiceFadesOutAndInAgain)
{
	EngineFixture fx{float(FS)};
	fx.set(Idx::COLORED_VOL, 0);  // the voice alone
	fx.set(Idx::voice(0, Idx::GAIN), 1.0);
	render_left(fx, 4096, 256);
	fx.set(Idx::voice(0, Idx::GAIN), 0.0);
	const std::vector<float> off = render_left(fx, 1024, 256);
	fx.set(Idx::voice(0, Idx::GAIN), 1.0);
	const std::vector<float> on = render_left(fx, 512, 256);
	auto peak = [](const std::vector<float> &x, size_t a, size_t b) {
		double p = 0;
		for (size_t i = a; i < b; ++i)
		{
			p = std::max(p, double(std::fabs(x[i])));
		}
		return p;
	};
	// The first frame after the change ramps from full gain to none: loud at
	// its start, near silent at its end; then silence (only the DC blocker's tail).
	EXPECT_GT(peak(off, 0, 32), 0.05);
	EXPECT_LT(peak(off, 224, 256), 0.25 * peak(off, 0, 32));
	EXPECT_LT(peak(off, 768, 1024), 0.1 * peak(off, 0, 32));
	// Back on: from silence up, not at once.
	EXPECT_LT(peak(on, 0, 16), 0.25 * peak(on, 256, 512));
}
