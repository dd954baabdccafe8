// The engine's sound measured from outside: frequency shifting and its image,
// stability at full feedback, routing, block splitting, program recall,
// silence, and bad samples.
#include "support/FakeHostDsp.h"
#include "support/Spectrum.h"
#include "dsp/SimdChoice.h"

#include <gtest/gtest.h>

#include <xmmintrin.h>

#include <cfloat>
#include <random>
#include <tuple>

using namespace testsupport;

namespace
{

std::vector<float> noise(long n, unsigned seed, float amp)
{
	std::mt19937 rng(seed);
	std::uniform_real_distribution<float> dist(-amp, amp);
	std::vector<float> v(static_cast<size_t>(n));
	for (float &x : v)
	{
		x = dist(rng);
	}
	return v;
}

double max_abs_diff(const std::vector<float> &a, const std::vector<float> &b)
{
	double d = 0;
	for (size_t i = 0; i < a.size(); ++i)
	{
		d = std::max(d, double(std::fabs(a[i] - b[i])));
	}
	return d;
}

// The first sample where two renders differ (NaN differing from everything), or -1.
long first_difference(const std::vector<float> &a, const std::vector<float> &b)
{
	if (a.size() != b.size())
	{
		return 0;
	}
	for (size_t i = 0; i < a.size(); ++i)
	{
		if (!(a[i] == b[i]))
		{
			return long(i);
		}
	}
	return -1;
}

// The first nbr_voices voices sounding in feedback, with networks of every
// length and one band filter on: every part of the lanes at work.
void set_lane_test_voices(EngineFixture &fx, int nbr_voices)
{
	for (int k = 0; k < 4; ++k)
	{
		fx.set(Idx::voice(k, Idx::GAIN), k < nbr_voices ? 1.0 : 0.0);
		fx.set(Idx::voice(k, Idx::DEPTH), k % 3);
		fx.set(Idx::voice(k, Idx::FDBK_LVL), 0.3 + 0.2 * k);
		fx.set(Idx::voice(k, Idx::FDBK_COL), 0.25 * k);
		fx.set(Idx::voice(k, Idx::PAN), 0.6 - 0.4 * k);
		fx.set(Idx::voice(k, Idx::BPF_Q), k == 1 ? 3.0 : 0.1);
	}
}

void set_voices(EngineFixture &fx, int offset, double val)
{
	for (int k = 0; k < 4; ++k)
	{
		fx.set(Idx::voice(k, offset), val);
	}
}

// A voice's shifter alone: no dry signal, the other voices silent.
void solo_voice(EngineFixture &fx, int k, int depth)
{
	fx.set(Idx::COLORED_VOL, 0);
	for (int v = 0; v < 4; ++v)
	{
		fx.set(Idx::voice(v, Idx::GAIN), v == k ? 1.0 : 0.0);
	}
	fx.set(Idx::voice(k, Idx::DEPTH), depth);
}

}  // namespace

// A 1 kHz sine through one voice with no feedback and a 1/128-beat period at
// 120 BPM (256 Hz): the first output of the pair carries 1256 Hz, the second
// 744 Hz. The image left in each is what the network's phase error lets
// through: |image / signal| = tan(error / 2). The networks' measured errors
// around 1 kHz are about 0.28, 0.06 and 0.0013 degrees (phase network tests),
// which give -52, -66 and -99 dB; the bounds leave 6 dB for the output
// saturation's own distortion products and the measurement window.
TEST(EngineSound, ShiftsByOscillatorFrequencyAndSuppressesImage)
{
	const double fs = 48000;
	const double min_suppression_db[3] = {46, 60, 90};
	for (int depth = 0; depth < 3; ++depth)
	{
		EngineFixture fx{float(fs)};
		solo_voice(fx, 0, depth);
		fx.set(Idx::voice(0, Idx::PERIOD), 1.0 / 128);
		const long n = long(fs * 1.5);
		const std::vector<float> in = make_sine(n, 2 * PI * 1000 / fs, 0.1);
		std::vector<float> l, r;
		fx.render(in, in, l, r);
		const long start = n - long(fs);
		const long len = long(fs);
		for (const auto &[out, sig_f, img_f] : {std::tuple{&l, 1256.0, 744.0}, std::tuple{&r, 744.0, 1256.0}})
		{
			EXPECT_EQ(dft_peak(*out, start, len, fs, 700, 1300, 2), sig_f) << depth;
			const double sig = dft_amp(*out, start, len, sig_f, fs);
			EXPECT_NEAR(sig, 0.1, 0.01) << depth;  // the output saturation is about unity for small signals
			EXPECT_LT(to_db(dft_amp(*out, start, len, img_f, fs) / sig), -min_suppression_db[depth]) << depth;
		}
	}
}

// Full feedback at every colour (one per voice) and every depth, over a
// minute of loud noise: the output stays finite and bounded, the fed-back
// sample within tanh(4).
TEST(EngineSound, FullFeedbackStaysBoundedFor60Seconds)
{
	for (const float fs : {44100.0f, 192000.0f})
	{
		for (int depth = 0; depth < 3; ++depth)
		{
			EngineFixture fx(fs);
			for (int k = 0; k < 4; ++k)
			{
				fx.set(Idx::voice(k, Idx::GAIN), 1.0);
				fx.set(Idx::voice(k, Idx::DEPTH), depth);
				fx.set(Idx::voice(k, Idx::FDBK_LVL), 1.0);
				fx.set(Idx::voice(k, Idx::FDBK_COL), 0.25 * k);
				fx.set(Idx::voice(k, Idx::PERIOD), 4.0 / (k + 1));
			}
			const long block = 4096;
			const std::vector<float> in = noise(block * 16, 11, 1.0f);
			std::vector<float> out_l(block), out_r(block);
			double peak = 0;
			bool finite = true;
			const long total = long(fs * 60);
			for (long pos = 0; pos < total && finite; pos += block)
			{
				const float *src = in.data() + (pos / block % 16) * block;
				const float *in_arr[2] = {src, src};
				float *out_arr[2] = {out_l.data(), out_r.data()};
				fx.dsp.do_process_replacing(out_arr, in_arr, block, false);
				for (long i = 0; i < block; ++i)
				{
					finite = finite && std::isfinite(out_l[size_t(i)]) && std::isfinite(out_r[size_t(i)]);
					peak = std::max({peak, double(std::fabs(out_l[size_t(i)])), double(std::fabs(out_r[size_t(i)]))});
				}
				for (int k = 0; k < 4; ++k)
				{
					ASSERT_LE(std::fabs(fx.dsp.use_voice(k).get_fdbk_state()), float(std::tanh(4.0)) + 1e-6f);
				}
			}
			EXPECT_TRUE(finite) << fs << " depth " << depth;
			// Four voices, each saturating near 1 (more for negative swings), plus the dry signal.
			EXPECT_LT(peak, 12.0) << fs << " depth " << depth;
		}
	}
}

// With parameters at rest, how a block is cut does not change the sound: the
// oscillator is re-anchored to its exact phase at every block, so only float
// rounding of that anchoring differs.
TEST(EngineSound, BlockSplittingDoesNotChangeTheOutput)
{
	const long n = 24000;
	const std::vector<float> in_l = noise(n, 1, 0.5f);
	const std::vector<float> in_r = noise(n, 2, 0.5f);
	auto setup = [](EngineFixture &fx) {
		fx.set(Idx::voice(0, Idx::GAIN), 1.0);
		fx.set(Idx::voice(0, Idx::FDBK_LVL), 0.7);
		fx.set(Idx::voice(0, Idx::FDBK_COL), 0.3);
		fx.set(Idx::voice(0, Idx::DEPTH), 1);
		fx.set(Idx::voice(0, Idx::BPF_Q), 2.0);
		fx.set(Idx::voice(1, Idx::GAIN), 0.5);
		fx.set(Idx::voice(1, Idx::PAN), 0.6);
		fx.set(Idx::TONE_X, 0.4);
		fx.settle();
	};
	EngineFixture ref;
	setup(ref);
	std::vector<float> ref_l, ref_r;
	ref.render(in_l, in_r, ref_l, ref_r, 4096);
	for (long block : {1L, 7L, 255L, 256L, 257L, 4096L})
	{
		EngineFixture fx;
		setup(fx);
		std::vector<float> l, r;
		fx.render(in_l, in_r, l, r, block);
		EXPECT_LT(max_abs_diff(l, ref_l), 5e-5) << block;
		EXPECT_LT(max_abs_diff(r, ref_r), 5e-5) << block;
	}
}

TEST(EngineSound, AccumulatingAddsOntoWhatTheHostHas)
{
	const std::vector<float> in = noise(3000, 5, 0.5f);
	EngineFixture a;
	EngineFixture b;
	std::vector<float> ra, la, rb(in.size(), 0.25f), lb(in.size(), -0.5f);
	a.render(in, in, la, ra);
	b.render(in, in, lb, rb, 256, true);
	for (size_t i = 0; i < in.size(); ++i)
	{
		ASSERT_FLOAT_EQ(lb[i], la[i] - 0.5f);
		ASSERT_FLOAT_EQ(rb[i], ra[i] + 0.25f);
	}
}

TEST(EngineSound, MonoOutputCarriesBothPanContributions)
{
	const std::vector<float> in = noise(4000, 7, 0.5f);
	EngineFixture st;
	EngineFixture mono;
	mono.host.stereo_out = false;
	for (EngineFixture *fx : {&st, &mono})
	{
		solo_voice(*fx, 0, 0);
		fx->set(Idx::voice(0, Idx::PAN), 0.3);
		fx->settle();
	}
	std::vector<float> sl, sr;
	st.render(in, in, sl, sr);
	std::vector<float> ml, mr(in.size(), 7.0f);
	mono.render(in, in, ml, mr);
	for (size_t i = 0; i < in.size(); ++i)
	{
		ASSERT_EQ(mr[i], 7.0f) << "second output written at " << i;
		ASSERT_NEAR(ml[i], sl[i] + sr[i], 1e-5) << i;
	}
}

TEST(EngineSound, MonoInputFeedsBothChannelsAndStereoToMonoHalfSum)
{
	const long n = 2000;
	const std::vector<float> in_l = noise(n, 3, 0.5f);
	const std::vector<float> in_r = noise(n, 4, 0.5f);
	EngineFixture fx;
	fx.host.stereo_in = false;
	set_voices(fx, Idx::GAIN, 0);
	std::vector<float> l, r;
	fx.render(in_l, in_r, l, r);
	EXPECT_EQ(l, r);
	EXPECT_GT(max_abs_diff(l, std::vector<float>(size_t(n), 0.0f)), 0.1);

	// Stereo in, mono out: the dry path is the half sum, as a mono input of it.
	EngineFixture half;
	half.host.stereo_in = false;
	half.host.stereo_out = false;
	EngineFixture both;
	both.host.stereo_out = false;
	std::vector<float> sum(static_cast<size_t>(n));
	for (long i = 0; i < n; ++i)
	{
		sum[size_t(i)] = 0.5f * (in_l[size_t(i)] + in_r[size_t(i)]);
	}
	std::vector<float> hl, hr, bl, br;
	half.render(sum, sum, hl, hr);
	both.render(in_l, in_r, bl, br);
	EXPECT_LT(max_abs_diff(hl, bl), 1e-6);
}

TEST(EngineSound, ChangesLandAtTheNextFrame)
{
	const std::vector<float> in = noise(1024, 9, 0.5f);
	EngineFixture a;
	EngineFixture b;
	std::vector<float> al, ar, bl, br;
	a.render(in, in, al, ar);
	b.render(in, in, bl, br);
	ASSERT_EQ(al, bl);
	a.set(Idx::voice(2, Idx::GAIN), 1.0);  // a silent voice comes in
	a.render(in, in, al, ar);
	b.render(in, in, bl, br);
	EXPECT_EQ(al[0], bl[0]);  // its gain ramps from 0 across the first frame
	double first_frame = 0;
	for (int i = 1; i < 256; ++i)
	{
		first_frame = std::max(first_frame, double(std::fabs(al[size_t(i)] - bl[size_t(i)])));
	}
	EXPECT_GT(first_frame, 1e-3);
}

TEST(EngineProgram, RecallSetsAllValuesAndHeldPhases)
{
	EngineFixture a;
	std::mt19937 rng(21);
	std::uniform_real_distribution<float> dist(0, 1);
	for (int i = 0; i < 123; ++i)
	{
		a.dsp.get_param_ref(i)->set_from_normalized(dist(rng));
	}
	set_voices(a, Idx::HOLD, 1);
	a.dsp.tick(256);
	for (int k = 0; k < 4; ++k)
	{
		const_cast<PhasedVoice &>(a.dsp.use_voice(k)).set_osc_phase(0.5f + k);
	}
	a.dsp.tick(256);
	rivo::ProgramSlot slot;
	a.dsp.do_get_program(slot);
	ASSERT_EQ(slot.get_nbr_param(), 123);
	ASSERT_EQ(slot.get_extra_byte_size(), 16);
	// Voice 1's phase 1.5 as a big-endian float: 0x3FC00000.
	EXPECT_EQ(slot.get_extra_byte(4), 0x3F);
	EXPECT_EQ(slot.get_extra_byte(5), 0xC0);

	EngineFixture b;
	b.dsp.do_set_program(slot);
	b.dsp.tick(256);
	for (int i = 0; i < 123; ++i)
	{
		EXPECT_EQ(b.dsp.get_param_ref(i)->get_nval(), a.dsp.get_param_ref(i)->get_nval()) << i;
	}
	for (int k = 0; k < 4; ++k)
	{
		EXPECT_EQ(b.dsp.use_voice(k).get_osc_phase(), 0.5f + k);
		EXPECT_DOUBLE_EQ(b.dsp.use_voice(k).get_phase(), 0.5 + k);  // held: the oscillator jumps there
	}
}

TEST(EngineProgram, RecallingTheCurrentStateNotifiesNobody)
{
	EngineFixture fx;
	rivo::ProgramSlot slot;
	fx.dsp.do_get_program(slot);
	struct Counter : rivo::NotifiedInterface
	{
		int count = 0;
		void notify(rivo::NotifierInterface &) override
		{
			++count;
		}
	} counter;
	std::vector<rivo::NotifiedInterface *> saved;
	for (int i = 0; i < 123; ++i)
	{
		saved.push_back(fx.dsp.get_param_ref(i)->get_notification_target());
		fx.dsp.get_param_ref(i)->set_notification_target(&counter);
	}
	fx.dsp.do_set_program(slot);
	EXPECT_EQ(counter.count, 0);
	slot.set_parameter(40, 0.123f);
	fx.dsp.do_set_program(slot);
	EXPECT_EQ(counter.count, 1);
	for (int i = 0; i < 123; ++i)
	{
		fx.dsp.get_param_ref(i)->set_notification_target(saved[size_t(i)]);
	}
}

TEST(EngineSound, SilenceAfterClear)
{
	EngineFixture fx;
	set_voices(fx, Idx::GAIN, 1.0);
	set_voices(fx, Idx::FDBK_LVL, 0.9);
	set_voices(fx, Idx::BPF_Q, 3.0);
	std::vector<float> l, r;
	fx.render(noise(48000, 13, 0.8f), noise(48000, 14, 0.8f), l, r);
	fx.dsp.clear_buffers();
	const std::vector<float> silence(24000, 0.0f);
	fx.render(silence, silence, l, r);
	double peak = 0;
	for (size_t i = 0; i < l.size(); ++i)
	{
		peak = std::max({peak, double(std::fabs(l[i])), double(std::fabs(r[i]))});
	}
	// Only the filters' anti-denormal offset (1e-20) remains.
	EXPECT_LT(peak, 1e-15);
}

// Non-finite input samples count as silence: the engine's output equals that
// of a twin fed zeros there, and nothing inside keeps a NaN.
TEST(EngineSound, NanAndInfiniteInputDoNotPoisonTheEngine)
{
	std::vector<float> in = noise(20000, 17, 0.5f);
	std::vector<float> zeroed = in;
	for (long i = 5000; i < 5300; ++i)
	{
		in[size_t(i)] = (i % 3 == 0) ? std::numeric_limits<float>::quiet_NaN()
		                              : ((i % 3 == 1) ? std::numeric_limits<float>::infinity()
		                                              : -std::numeric_limits<float>::infinity());
		zeroed[size_t(i)] = 0;
	}
	EngineFixture bad;
	EngineFixture good;
	for (EngineFixture *fx : {&bad, &good})
	{
		for (int k = 0; k < 4; ++k)
		{
			fx->set(Idx::voice(k, Idx::GAIN), 1.0);
			fx->set(Idx::voice(k, Idx::FDBK_LVL), 0.8);
			fx->set(Idx::voice(k, Idx::DEPTH), k % 3);  // every network in use
		}
	}
	std::vector<float> bl, br, gl, gr;
	bad.render(in, in, bl, br, 300);
	good.render(zeroed, zeroed, gl, gr, 300);
	EXPECT_EQ(bl, gl);
	EXPECT_EQ(br, gr);
	for (float v : bl)
	{
		ASSERT_TRUE(std::isfinite(v));
	}
	for (int k = 0; k < 4; ++k)
	{
		EXPECT_TRUE(bad.dsp.use_voice(k).is_state_finite());
	}
}

TEST(EngineSound, SubnormalsFlushedAndHostFloatStateRestored)
{
	const unsigned int host_csr = _mm_getcsr() & ~0x8040u;  // no FTZ, no DAZ
	_mm_setcsr(host_csr);
	EngineFixture fx;
	std::vector<float> tiny(4096);
	for (size_t i = 0; i < tiny.size(); ++i)
	{
		tiny[i] = (i % 2 ? 1 : -1) * FLT_MIN * 0.25f;  // subnormal input
	}
	std::vector<float> l, r;
	fx.render(tiny, tiny, l, r);
	// Control bits (rounding, masks, FTZ, DAZ) as the host had them; the low six
	// bits are sticky exception flags that any float operation may raise.
	EXPECT_EQ(_mm_getcsr() & ~0x3Fu, host_csr & ~0x3Fu);
	for (size_t i = 0; i < l.size(); ++i)
	{
		ASSERT_FALSE(l[i] != 0 && std::fabs(l[i]) < FLT_MIN) << i;
		ASSERT_FALSE(r[i] != 0 && std::fabs(r[i]) < FLT_MIN) << i;
	}
}

// Each voice has lanes of its own: beside others it sounds exactly as alone,
// whatever the others' networks, feedback and band filters (a band filter
// that was off carries no history of another's); only the final sum of the
// voices rounds differently.
TEST(EngineVoices, EachVoiceSoundsBesideOthersAsAlone)
{
	auto configure = [](EngineFixture &fx, int solo) {
		fx.set(Idx::COLORED_VOL, 0);
		for (int k = 0; k < 4; ++k)
		{
			const bool on = k != 3 && (solo < 0 || solo == k);  // voice 4 silent: three slots run
			fx.set(Idx::voice(k, Idx::GAIN), on ? 1.0 : 0.0);
			fx.set(Idx::voice(k, Idx::DEPTH), k % 3);
			fx.set(Idx::voice(k, Idx::FDBK_LVL), 0.45 * k);  // voice 1 without feedback
			fx.set(Idx::voice(k, Idx::FDBK_COL), 0.2 * k);
			fx.set(Idx::voice(k, Idx::PAN), 0.5 - 0.3 * k);
			fx.set(Idx::voice(k, Idx::PERIOD), 0.25 * (k + 1));
		}
		fx.set(Idx::voice(2, Idx::BPF_Q), 3.0);
		fx.settle();  // nothing left of the default state's dry signal
	};
	EngineFixture together;
	configure(together, -1);
	EngineFixture alone[3];
	for (int k = 0; k < 3; ++k)
	{
		configure(alone[k], k);
	}
	const std::vector<float> in = noise(6000, 23, 0.7f);
	std::vector<float> tl, tr, sum_l(in.size() * 2, 0.0f), sum_r(in.size() * 2, 0.0f);
	std::vector<float> all_l, all_r;
	for (int half = 0; half < 2; ++half)
	{
		if (half == 1)
		{
			for (EngineFixture *fx : {&together, &alone[0], &alone[1], &alone[2]})
			{
				fx->set(Idx::voice(1, Idx::FDBK_COL), 0.9);  // a colour glide in one slot
				fx->set(Idx::voice(0, Idx::DEPTH), 2);        // a network switch in another
				fx->set(Idx::voice(0, Idx::BPF_Q), 3.0);      // a band filter switched on beside another
			}
		}
		together.render(in, in, tl, tr, 100);
		all_l.insert(all_l.end(), tl.begin(), tl.end());
		all_r.insert(all_r.end(), tr.begin(), tr.end());
		for (EngineFixture &fx : alone)
		{
			std::vector<float> l, r;
			fx.render(in, in, l, r, 100);
			for (size_t i = 0; i < l.size(); ++i)
			{
				sum_l[half * in.size() + i] += l[i];
				sum_r[half * in.size() + i] += r[i];
			}
		}
	}
	float peak = 0;
	for (float v : all_l)
	{
		peak = std::max(peak, std::fabs(v));
	}
	ASSERT_GT(peak, 0.1f);
	EXPECT_LT(max_abs_diff(all_l, sum_l), 1e-5 * peak);
	EXPECT_LT(max_abs_diff(all_r, sum_r), 1e-5 * peak);
}

// The AVX2 path fuses multiplications and additions, the SSE2 path rounds
// each: they differ only by roundings, which the feedback loops carry on and
// the saturators damp. Measured: about 2e-6 of the RMS over a second of four
// voices in feedback. The bound leaves a factor of 50; a fault in either path
// (a lane mixed up, a wrong coefficient, a lost sample) moves the output by
// the order of the signal itself.
TEST(EngineVoices, BothNarrowInstructionSetsSoundAlike)
{
	using Isa = dsp::SimdChoice::Isa;
	if (!dsp::SimdChoice::has(Isa::AVX2))
	{
		GTEST_SKIP() << "no AVX2 here";
	}
	// A normal level, and one loud enough to drive the output saturator over
	// its whole range, below its table and into both halves at once.
	for (const float amp : {0.5f, 40.0f})
	{
		EngineFixture fx[2];
		for (int path = 0; path < 2; ++path)
		{
			fx[path].dsp.force_isa(path == 0 ? Isa::AVX2 : Isa::SSE2);
			set_lane_test_voices(fx[path], 4);
		}
		const std::vector<float> in = noise(48000, 5, amp);
		std::vector<float> l[2], r[2];
		for (int path = 0; path < 2; ++path)
		{
			fx[path].render(in, in, l[path], r[path], 256);
		}
		double rms = 0;
		double diff = 0;
		for (size_t i = 0; i < in.size(); ++i)
		{
			rms += double(l[0][i]) * l[0][i];
			const double d = double(l[0][i]) - l[1][i];
			diff += d * d;
		}
		rms = std::sqrt(rms / double(in.size()));
		diff = std::sqrt(diff / double(in.size()));
		ASSERT_GT(rms, 0.1);
		EXPECT_GT(diff, 0.0) << "both runs took one path";
		EXPECT_LT(diff, 1e-4 * rms) << "amplitude " << amp;
	}
}

// The AVX-512 path does the AVX2 path's steps, two samples at a time where
// it can, and must give its very samples: for one, two and four voices (each
// width of the mix), through a network switch, a colour glide and a band
// filter switched on halfway, and in host blocks of odd lengths (runs that
// start and end between two samples of a pair).
TEST(EngineVoices, TheWidePathGivesTheAvx2PathsVerySamples)
{
	using Isa = dsp::SimdChoice::Isa;
	if (!dsp::SimdChoice::has(Isa::AVX512))
	{
		GTEST_SKIP() << "no AVX-512 here";
	}
	for (const int nbr_voices : {1, 2, 4})
	{
		EngineFixture fx[2];
		for (int path = 0; path < 2; ++path)
		{
			fx[path].dsp.force_isa(path == 0 ? Isa::AVX2 : Isa::AVX512);
			set_lane_test_voices(fx[path], nbr_voices);
		}
		const std::vector<float> in = noise(12000, 7, 0.8f);
		for (int half = 0; half < 2; ++half)
		{
			std::vector<float> l[2], r[2];
			for (int path = 0; path < 2; ++path)
			{
				if (half == 1)
				{
					fx[path].set(Idx::voice(0, Idx::DEPTH), 2);
					fx[path].set(Idx::voice(0, Idx::FDBK_COL), 0.9);
					fx[path].set(Idx::voice(0, Idx::BPF_Q), 3.0);
				}
				fx[path].render(in, in, l[path], r[path], path == 0 ? 256 : 67);
			}
			EXPECT_EQ(first_difference(l[1], l[0]), -1) << nbr_voices << " voices, half " << half;
			EXPECT_EQ(first_difference(r[1], r[0]), -1) << nbr_voices << " voices, half " << half;
		}
	}
}

// Loud but finite input (a runaway gain stage before the plug-in) drives
// every saturator's position far outside its table, on every path: each
// lane looks up inside the table all the same, and the output stays finite.
TEST(EngineVoices, LoudFiniteInputStaysFiniteOnEveryPath)
{
	using Isa = dsp::SimdChoice::Isa;
	for (const Isa isa : {Isa::SSE2, Isa::AVX2, Isa::AVX512})
	{
		for (const float amp : {1e6f, 1e20f})
		{
			EngineFixture fx;
			fx.dsp.force_isa(isa);
			set_lane_test_voices(fx, 4);
			const std::vector<float> in = noise(4800, 3, amp);
			std::vector<float> l, r;
			fx.render(in, in, l, r, 256);
			for (size_t i = 0; i < l.size(); ++i)
			{
				ASSERT_TRUE(std::isfinite(l[i]) && std::isfinite(r[i])) << int(isa) << ", " << amp << ", " << i;
			}
		}
	}
}
