// Per-sample costs of the signal primitives the engine spends most of its time in.
#include "dsp/Biquad.h"
#include "dsp/Filter2p.h"
#include "dsp/Lfo.h"
#include "dsp/Phase90IirOptNorm.h"
#include "dsp/PolyphaseIir2Designer.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace
{

constexpr long FRAME = 256;

std::vector<float> noise(long n)
{
	std::mt19937 rng(1);
	std::uniform_real_distribution<float> dist(-1, 1);
	std::vector<float> v(static_cast<size_t>(n));
	for (float &x : v)
	{
		x = dist(rng);
	}
	return v;
}

template <int N>
void design(dsp::Phase90IirOptNorm<N> &net)
{
	static const struct
	{
		double att, tbw;
	} settings[] = {{40, 0.001}, {60, 0.00005}, {130, 0.00005}};
	const auto &s = settings[N == 8 ? 0 : (N == 16 ? 1 : 2)];
	std::vector<double> coefs;
	dsp::PolyphaseIir2Designer::compute_halfband_lpf(coefs, s.att, s.tbw);
	net.set_coefs(coefs);
}

template <int N>
void BM_Phase90_process_sample(benchmark::State &state)
{
	dsp::Phase90IirOptNorm<N> net;
	design(net);
	const std::vector<float> in = noise(FRAME);
	std::vector<float> o1(FRAME), o2(FRAME);
	for (auto _ : state)
	{
		for (long i = 0; i < FRAME; ++i)
		{
			net.process_sample(o1[size_t(i)], o2[size_t(i)], in[size_t(i)]);
		}
		benchmark::DoNotOptimize(o1.data());
		benchmark::DoNotOptimize(o2.data());
	}
	state.SetItemsProcessed(state.iterations() * FRAME);
}

template <int N>
void BM_Phase90_process_block(benchmark::State &state)
{
	dsp::Phase90IirOptNorm<N> net;
	design(net);
	const std::vector<float> in = noise(FRAME);
	std::vector<float> o1(FRAME), o2(FRAME);
	for (auto _ : state)
	{
		net.process_block(o1.data(), o2.data(), in.data(), FRAME);
		benchmark::DoNotOptimize(o1.data());
		benchmark::DoNotOptimize(o2.data());
	}
	state.SetItemsProcessed(state.iterations() * FRAME);
}

// As a phaser voice uses it: the next input depends on this output, so the
// chain's latency, not its throughput, sets the cost.
template <int N>
void BM_Phase90_feedback(benchmark::State &state)
{
	dsp::Phase90IirOptNorm<N> net;
	design(net);
	const std::vector<float> in = noise(FRAME);
	float fdbk = 0;
	for (auto _ : state)
	{
		for (long i = 0; i < FRAME; ++i)
		{
			float o1, o2;
			net.process_sample(o1, o2, in[size_t(i)] + fdbk);
			fdbk = 0.5f * (o1 + o2);
		}
		benchmark::DoNotOptimize(fdbk);
	}
	state.SetItemsProcessed(state.iterations() * FRAME);
}

void BM_Biquad(benchmark::State &state)
{
	dsp::Filter2p flt;
	flt.set_type(dsp::Filter2p::Type_BPF);
	flt.set_p2(2);
	flt.update_eq();
	std::vector<float> buf = noise(FRAME);
	for (auto _ : state)
	{
		flt.process_block_nd(buf.data(), FRAME);
		benchmark::DoNotOptimize(buf.data());
	}
	state.SetItemsProcessed(state.iterations() * FRAME);
}

void BM_Lfo_frame(benchmark::State &state)
{
	dsp::Lfo lfo;
	lfo.set_type(int(state.range(0)));
	lfo.set_period(0.37);
	lfo.clear_buffers();
	for (auto _ : state)
	{
		lfo.tick(FRAME);
		benchmark::DoNotOptimize(lfo.get_raw_value());
	}
	state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK_TEMPLATE(BM_Phase90_process_sample, 8);
BENCHMARK_TEMPLATE(BM_Phase90_process_sample, 16);
BENCHMARK_TEMPLATE(BM_Phase90_process_sample, 32);
BENCHMARK_TEMPLATE(BM_Phase90_process_block, 8);
BENCHMARK_TEMPLATE(BM_Phase90_process_block, 16);
BENCHMARK_TEMPLATE(BM_Phase90_process_block, 32);
BENCHMARK_TEMPLATE(BM_Phase90_feedback, 8);
BENCHMARK_TEMPLATE(BM_Phase90_feedback, 16);
BENCHMARK_TEMPLATE(BM_Phase90_feedback, 32);
BENCHMARK(BM_Biquad);
BENCHMARK(BM_Lfo_frame)->DenseRange(0, 9);
