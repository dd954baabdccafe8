// Filters: measured sine responses against transfer functions computed here,
// the bilinear design against its analogue prototype, stability and denormals.
#include "dsp/Biquad.h"
#include "dsp/BiquadPipe.h"
#include "dsp/Filter2p.h"
#include "dsp/Shelf.h"
#include "dsp/SimdChoice.h"
#include "support/SineFit.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <complex>
#include <random>
#include <string>

using namespace testsupport;
using cplx = std::complex<double>;

namespace
{

cplx biquad_response(const dsp::Biquad &f, double w)
{
	float b[3], a[3];
	f.get_z_eq(b, a);
	const cplx z1 = std::polar(1.0, -w);
	const cplx z2 = z1 * z1;
	return (double(b[0]) + double(b[1]) * z1 + double(b[2]) * z2) / (1.0 + double(a[1]) * z1 + double(a[2]) * z2);
}

// The analogue prototype at the frequency the bilinear transform maps w to.
cplx prototype_response(const double b[3], const double a[3], double f0, double fs, double w)
{
	const cplx s(0, std::tan(w / 2) / std::tan(PI * f0 / fs));
	return (b[0] + b[1] * s + b[2] * s * s) / (a[0] + a[1] * s + a[2] * s * s);
}

// Runs a sine through process and fits the steady output.
template <class P>
SineFit measure(P process, double w, long settle, long window)
{
	std::vector<float> x = make_sine(settle + window, w);
	process(x.data(), long(x.size()));
	return fit_sine(x.data() + settle, window, w, settle);
}

void expect_response(const SineFit &m, cplx h, const std::string &where)
{
	EXPECT_NEAR(m.amp, std::abs(h), 1e-4 * std::max(1.0, std::abs(h))) << where;
	if (std::abs(h) > 1e-3)
	{
		EXPECT_NEAR(to_deg(wrap_angle(m.phase - std::arg(h))), 0.0, 0.02) << where;
	}
}

bool is_subnormal(float v)
{
	return v != 0 && std::fabs(v) < FLT_MIN;
}

}  // namespace

TEST(Biquad, AnySplitGivesTheSameOutput)
{
	std::mt19937 rng(1);
	std::uniform_real_distribution<float> dist(-1, 1);
	std::vector<float> in(1001);
	for (float &v : in)
	{
		v = dist(rng);
	}
	dsp::Filter2p ref;
	ref.set_type(dsp::Filter2p::Type_RESO);
	ref.set_p1(3);
	ref.set_p2(0.7f);
	ref.set_freq(800);
	ref.update_eq();
	dsp::Filter2p split = ref;
	std::vector<float> whole(in);
	ref.process_block(whole.data(), long(whole.size()));
	std::vector<float> parts(in);
	const long sizes[] = {1, 2, 3, 1, 1, 2, 3, 3};
	long pos = 0;
	for (int k = 0; pos < long(parts.size()); ++k)
	{
		const long n = std::min(sizes[k % 8], long(parts.size()) - pos);
		split.process_block(parts.data() + pos, n);
		pos += n;
	}
	EXPECT_EQ(parts, whole);
}

// The engine's two-channel chains must give, sample for sample, what each
// filter gives in turn (the first one with its anti-denormal offset).
TEST(Biquad, ChainsGiveExactlyWhatEachFilterInTurnGives)
{
	std::mt19937 rng(4);
	std::uniform_real_distribution<float> dist(-1, 1);
	dsp::Filter2p seq[2][3];
	dsp::Filter2p chn[2][3];
	for (int c = 0; c < 2; ++c)
	{
		for (int k = 0; k < 3; ++k)
		{
			seq[c][k].set_type(k == 1 ? dsp::Filter2p::Type_BPF : dsp::Filter2p::Type_RESO);
			seq[c][k].set_p1(0.5f + float(k + c));
			seq[c][k].set_p2(0.7f + float(k));
			seq[c][k].set_freq(200.0f * float(k + 1) + 100.0f * float(c));
			seq[c][k].update_eq();
			chn[c][k] = seq[c][k];
		}
	}
	dsp::Biquad *const chain_arr[2][3] = {{&chn[0][0], &chn[0][1], &chn[0][2]}, {&chn[1][0], &chn[1][1], &chn[1][2]}};
	for (long n : {5L, 1L, 256L, 3L, 8L, 7L})
	{
		std::vector<float> data[2];
		std::vector<float> expected[2];
		for (int c = 0; c < 2; ++c)
		{
			data[c].resize(size_t(n));
			for (float &v : data[c])
			{
				v = dist(rng);
			}
			expected[c] = data[c];
			seq[c][0].process_block_nd(expected[c].data(), n);
			seq[c][1].process_block(expected[c].data(), n);
			seq[c][2].process_block(expected[c].data(), n);
		}
		float *const data_arr[2] = {data[0].data(), data[1].data()};
		dsp::Biquad::process_chains<2, 3, true>(chain_arr, data_arr, n);
		ASSERT_EQ(data[0], expected[0]) << n;
		ASSERT_EQ(data[1], expected[1]) << n;
	}
}

// The pipe runs the eight filters of two four-filter chains in one register,
// each stage a sample behind the one before, while the coefficients ramp
// across calls. Measured against the same filtering in double precision, it
// stays as close as the chains filtered filter after filter do (resonators up
// to gain 4 amplify the roundings of either to about 1.2e-5 of the peak); and
// cut into any pieces it gives the very same samples.
TEST(BiquadPipe, FiltersAsPreciselyAsTheChainsAndAnySplitGivesTheSameOutput)
{
	std::mt19937 rng(9);
	std::uniform_real_distribution<float> dist(-1, 1);
	const long frame = 256;
	auto set = [](dsp::Filter2p &f, int c, int k, float shift) {
		f.set_type(k == 1 ? dsp::Filter2p::Type_BPF : dsp::Filter2p::Type_RESO);
		f.set_p1(0.3f + float(k + c) + shift);
		f.set_p2(0.7f + float(k) + shift);
		f.set_freq(150.0f * float(k + 1) + 70.0f * float(c) + 900 * shift);
		f.update_eq();
	};
	for (bool avx2 : {false, true})
	{
		if (avx2 && !dsp::SimdChoice::has(dsp::SimdChoice::Isa::AVX2))
		{
			continue;
		}
		dsp::Filter2p flt[3][2][4];  // filter after filter, the pipe whole, the pipe in pieces
		dsp::Biquad *arr[3][2][4];
		double co[2][4][5];  // the double-precision cascade: coefficients and memories
		double mem[2][4][4] = {};
		for (int c = 0; c < 2; ++c)
		{
			for (int k = 0; k < 4; ++k)
			{
				for (int m = 0; m < 3; ++m)
				{
					flt[m][c][k].enable_coef_ramp(true);
					set(flt[m][c][k], c, k, 0);
					arr[m][c][k] = &flt[m][c][k];
				}
				// The first frame ramps from a filter's initial identity.
				const double init[5] = {1, 0, 0, 0, 0};
				std::copy(init, init + 5, co[c][k]);
			}
		}
		double peak = 0;
		double err[2] = {0, 0};  // chains, pipe
		for (int f = 0; f < 6; ++f)
		{
			double target[2][4][5];
			for (int c = 0; c < 2; ++c)
			{
				for (int k = 0; k < 4; ++k)
				{
					// Every other frame, every filter ramps to a new setting.
					for (int m = 0; m < 3 && f % 2 == 1; ++m)
					{
						set(flt[m][c][k], c, k, 0.1f * float(f));
					}
					float b[3];
					float a[3];
					flt[0][c][k].get_z_eq(b, a);
					const double t[5] = {b[0], b[1], b[2], a[1], a[2]};
					std::copy(t, t + 5, target[c][k]);
				}
			}
			std::vector<float> data[3][2];
			std::vector<double> exact[2];
			for (int c = 0; c < 2; ++c)
			{
				data[0][c].resize(size_t(frame));
				for (float &v : data[0][c])
				{
					v = dist(rng);
				}
				data[1][c] = data[2][c] = data[0][c];
				exact[c].assign(data[0][c].begin(), data[0][c].end());
				for (long i = 0; i < frame; ++i)
				{
					double v = exact[c][size_t(i)];
					for (int k = 0; k < 4; ++k)
					{
						double q[5];
						for (int j = 0; j < 5; ++j)
						{
							q[j] = co[c][k][j] + (target[c][k][j] - co[c][k][j]) * double(i) / double(frame);
						}
						double *m = mem[c][k];  // x1 x2 y1 y2
						const double y = q[0] * v + q[1] * m[0] + q[2] * m[1] - q[3] * m[2] - q[4] * m[3];
						m[1] = m[0];
						m[0] = v;
						m[3] = m[2];
						m[2] = y;
						v = y;
					}
					exact[c][size_t(i)] = v;
				}
			}
			std::copy(&target[0][0][0], &target[0][0][0] + 40, &co[0][0][0]);
			float *const ref_data[2] = {data[0][0].data(), data[0][1].data()};
			dsp::Biquad::process_chains<2, 4, true>(arr[0], ref_data, frame, 0, frame);
			float *const whole_data[2] = {data[1][0].data(), data[1][1].data()};
			dsp::BiquadPipe::process(arr[1], whole_data, frame, 0, frame, true, avx2);
			long pos = 0;
			for (long len : {5L, 1L, 2L, 100L, 3L, 64L, 81L})
			{
				float *const cut_data[2] = {data[2][0].data() + pos, data[2][1].data() + pos};
				dsp::BiquadPipe::process(arr[2], cut_data, len, pos, frame, true, avx2);
				pos += len;
			}
			ASSERT_EQ(pos, frame);
			for (int c = 0; c < 2; ++c)
			{
				ASSERT_EQ(data[1][c], data[2][c]) << "frame " << f;
				for (size_t i = 0; i < size_t(frame); ++i)
				{
					peak = std::max(peak, std::fabs(exact[c][i]));
					for (int m = 0; m < 2; ++m)
					{
						err[m] = std::max(err[m], std::fabs(double(data[m][c][i]) - exact[c][i]));
					}
				}
			}
		}
		ASSERT_GT(peak, 0.5);
		EXPECT_LT(err[0], 1e-4 * peak) << "the chains themselves";
		EXPECT_LT(err[1], 2 * err[0] + 1e-6 * peak) << (avx2 ? "AVX2" : "SSE2");
	}
}

TEST(Filter2p, MeasuredResponseMatchesTransferFunctionAndPrototype)
{
	const double rates[] = {44100, 96000};
	const double freqs[] = {50, 440, 2500, 9000};
	struct Case
	{
		int type;
		float p1, p2;
	};
	const Case cases[] = {{dsp::Filter2p::Type_LPF, 0.707f, 1},
	                      {dsp::Filter2p::Type_HPF, 2.0f, 1},
	                      {dsp::Filter2p::Type_RESO, 4.0f, 1.5f},
	                      {dsp::Filter2p::Type_RESO, 0.25f, 0.5f},
	                      {dsp::Filter2p::Type_BPF, 1.0f, 5.0f}};
	for (const Case &c : cases)
	{
		// Prototypes written out independently of the filter's own table.
		double b[3] = {0, 0, 0};
		const double a_lp[3] = {1, 1 / double(c.p1), 1};
		const double a_pk[3] = {1, 1 / double(c.p2), 1};
		const double *a = a_lp;
		switch (c.type)
		{
		case dsp::Filter2p::Type_LPF: b[0] = 1; break;
		case dsp::Filter2p::Type_HPF: b[2] = 1; break;
		case dsp::Filter2p::Type_RESO:
			b[0] = 1;
			b[1] = double(c.p1) / double(c.p2);
			b[2] = 1;
			a = a_pk;
			break;
		default:
			b[1] = double(c.p1) / double(c.p2);
			a = a_pk;
			break;
		}
		for (double fs : rates)
		{
			for (double f0 : {300.0, 3000.0})
			{
				dsp::Filter2p flt;
				flt.set_sample_freq(float(fs));
				flt.set_freq(float(f0));
				flt.set_type(c.type);
				flt.set_p1(c.p1);
				flt.set_p2(c.p2);
				flt.update_eq();
				for (double f : freqs)
				{
					const double w = 2 * PI * f / fs;
					const std::string where = std::string(dsp::Filter2p::TYPE_NAME[c.type]) + " fs " +
					                          std::to_string(fs) + " f0 " + std::to_string(f0) + " f " + std::to_string(f);
					const cplx hz = biquad_response(flt, w);
					const cplx hs = prototype_response(b, a, f0, fs, w);
					EXPECT_NEAR(std::abs(hz), std::abs(hs), 2e-4 * std::max(1.0, std::abs(hs))) << where;
					dsp::Filter2p run = flt;
					expect_response(measure([&run](float *d, long n) { run.process_block(d, n); }, w, long(fs), 8192),
					                hz, where);
				}
				// The prototype's normalised frequency 1 lands exactly on f0.
				if (c.type == dsp::Filter2p::Type_RESO)
				{
					EXPECT_NEAR(std::abs(biquad_response(flt, 2 * PI * f0 / fs)), c.p1, 1e-4 * c.p1);
				}
			}
		}
	}
}

TEST(Filter2p, StableAtExtremeSettings)
{
	std::mt19937 rng(7);
	std::uniform_real_distribution<float> dist(-1, 1);
	for (float fs : {44100.0f, 384000.0f})
	{
		// From the lowest band frequency the engine uses up to and beyond Nyquist
		// (clamped). Far lower frequencies at these rates are beyond float
		// coefficients in this structure; the engine never asks for them.
		for (float f : {40.0f, 1000.0f, fs * 0.45f, fs * 0.5f, fs * 2.0f, std::nanf("")})
		{
			for (int type = 0; type < 4; ++type)
			{
				for (float q : {0.1f, 1.0f, 100.0f})
				{
					dsp::Filter2p flt;
					flt.set_sample_freq(fs);
					flt.set_freq(f);
					flt.set_type(type);
					flt.set_p1(type < 2 ? q : 1.0f);
					flt.set_p2(q);
					flt.update_eq();
					float b[3], a[3];
					flt.get_z_eq(b, a);
					// Poles inside the unit circle: |a2| < 1 and |a1| < 1 + a2.
					EXPECT_LT(std::fabs(a[2]), 1.0f) << fs << " " << f << " " << type << " " << q;
					EXPECT_LT(std::fabs(a[1]), 1.0f + a[2]) << fs << " " << f << " " << type << " " << q;
					std::vector<float> buf(4096);
					bool finite = true;
					for (int blk = 0; blk < 20 && finite; ++blk)
					{
						for (float &v : buf)
						{
							v = dist(rng);
						}
						flt.process_block(buf.data(), long(buf.size()));
						for (float v : buf)
						{
							finite = finite && std::isfinite(v);
						}
					}
					EXPECT_TRUE(finite) << fs << " " << f << " " << type << " " << q;
				}
			}
		}
	}
}

TEST(Biquad, AntiDenormalVariantLeavesNoSubnormalAfterSilence)
{
	dsp::Filter2p flt;
	flt.set_type(dsp::Filter2p::Type_LPF);
	flt.set_p1(0.707f);
	flt.set_freq(50);
	flt.update_eq();
	dsp::Filter2p plain = flt;
	std::vector<float> buf(256, 0.5f);
	flt.process_block_nd(buf.data(), 256);
	std::fill(buf.begin(), buf.end(), 0.5f);
	plain.process_block(buf.data(), 256);
	// Ten seconds of silence in blocks of odd and even sizes.
	bool plain_went_subnormal = false;
	for (int blk = 0; blk < 44100 * 10 / 255; ++blk)
	{
		std::fill(buf.begin(), buf.end(), 0.0f);
		const long n = (blk % 2 == 0) ? 255 : 256;
		flt.process_block_nd(buf.data(), n);
		for (long i = 0; i < n; ++i)
		{
			ASSERT_FALSE(is_subnormal(buf[size_t(i)]));
		}
		float x[2], y[2];
		flt.get_memories(x, y);
		for (float v : {x[0], x[1], y[0], y[1]})
		{
			ASSERT_FALSE(is_subnormal(v)) << "block " << blk;
		}
		std::fill(buf.begin(), buf.end(), 0.0f);
		plain.process_block(buf.data(), n);
		plain.get_memories(x, y);
		plain_went_subnormal = plain_went_subnormal || is_subnormal(y[0]) || is_subnormal(y[1]);
	}
	// Without the offset the same decay does reach subnormal numbers.
	EXPECT_TRUE(plain_went_subnormal);
}

TEST(Shelf, DcBlockerRemovesConstantAndPassesMidrange)
{
	dsp::Shelf dc;
	dc.set_sample_freq(44100);
	dc.set_freq(10);
	dc.set_gain(0);
	dc.make_low_shelf();
	std::vector<float> buf(44100 * 2, 0.8f);
	dc.process_block(buf.data(), buf.data(), long(buf.size()));
	EXPECT_LT(std::fabs(buf.back()), 1e-5);

	const double w = 2 * PI * 1000 / 44100;
	dsp::Shelf run = dc;
	const SineFit m = measure([&run](float *d, long n) { run.process_block(d, d, n); }, w, 44100, 8192);
	EXPECT_NEAR(20 * std::log10(m.amp), 0.0, 0.01);
}

// The one-pole filter computes samples in pairs laid on its own sample count:
// any cut of the signal, alone or two filters at once, gives the same samples,
// and they stay within roundings of the recursion computed in double.
TEST(Shelf, AnySplitGivesTheSameOutput)
{
	dsp::Shelf proto;
	proto.set_sample_freq(44100);
	proto.set_freq(10);
	proto.set_gain(0);
	proto.make_low_shelf();
	float b[2];
	float a[2];
	proto.get_z_eq(b, a);
	std::mt19937 rng(3);
	std::uniform_real_distribution<float> dist(-1, 1);
	std::vector<float> in(1000);
	for (float &v : in)
	{
		v = dist(rng);
	}
	std::vector<float> whole = in;
	dsp::Shelf f_whole = proto;
	f_whole.process_block(whole.data(), whole.data(), long(whole.size()));
	// The pair's second filter gets a signal of its own, reversed.
	std::vector<float> other_in(in.rbegin(), in.rend());
	std::vector<float> other_whole = other_in;
	dsp::Shelf f_other = proto;
	f_other.process_block(other_whole.data(), other_whole.data(), long(other_whole.size()));
	std::vector<float> cut = in;
	std::vector<float> pair = in;
	dsp::Shelf f_cut = proto;
	dsp::Shelf f_pair[2] = {proto, proto};
	std::vector<float> other = other_in;
	long pos = 0;
	// Pieces of 1 to 7 samples, then longer ones.
	for (long len = 1; pos < long(in.size()); len = (pos < 300) ? len % 7 + 1 : len % 61 + 7)
	{
		len = std::min(len, long(in.size()) - pos);
		f_cut.process_block(cut.data() + pos, cut.data() + pos, len);
		dsp::OnePole::process_block_pair(f_pair[0], f_pair[1], pair.data() + pos, other.data() + pos, len);
		pos += len;
	}
	EXPECT_EQ(whole, cut);
	EXPECT_EQ(whole, pair);
	EXPECT_EQ(other_whole, other);
	double x1 = 0;
	double y1 = 0;
	for (size_t i = 0; i < in.size(); ++i)
	{
		const double y = double(b[0]) * in[i] + double(b[1]) * x1 - double(a[1]) * y1;
		x1 = in[i];
		y1 = y;
		ASSERT_NEAR(whole[i], y, 1e-5) << i;
	}
}
