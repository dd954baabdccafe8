// The whole engine's cost as a realtime factor: seconds of 48 kHz stereo audio
// processed per second of CPU on one core.
#include "engine/TarvelleDsp.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace
{

constexpr float SAMPLE_FREQ = 48000;
constexpr long BLOCK = 512;

void set(TarvelleDsp &dsp, int index, double val)
{
	const auto &p = dsp.get_param_ref(index);
	p->set_from_normalized(p->normalize_val(val));
}

// All four voices sounding through "Mad Cow" with the band filter on and
// every one of the 26 LFOs at full depth.
void make_worst_case(TarvelleDsp &dsp)
{
	for (int k = 0; k < 4; ++k)
	{
		const int base = 11 + 28 * k;
		set(dsp, base + 0, 1.0);   // Gain
		set(dsp, base + 5, 2);     // Depth: Mad Cow
		set(dsp, base + 15, 0.8);  // Fdbk Lvl
		set(dsp, base + 27, 2.0);  // BPF Q: on
	}
	for (int i = 0; i < dsp.get_nbr_param(); ++i)
	{
		char name[64];
		dsp.get_param_ref(i)->get_name(name, sizeof(name));
		const std::string n(name);
		if (n.find("LFO depth") != std::string::npos)
		{
			dsp.get_param_ref(i)->set_from_normalized(1.0f);
		}
		else if (n.find("LFO WF") != std::string::npos)
		{
			dsp.get_param_ref(i)->set_from_normalized(float(i % 10) / 9);
		}
	}
}

void run(benchmark::State &state, bool worst)
{
	TarvelleDsp dsp;
	dsp.init();
	dsp.set_sample_freq(SAMPLE_FREQ);
	dsp.set_default_state();
	if (worst)
	{
		make_worst_case(dsp);
	}
	std::mt19937 rng(1);
	std::uniform_real_distribution<float> dist(-0.5f, 0.5f);
	std::vector<float> in_l(BLOCK), in_r(BLOCK), out_l(BLOCK), out_r(BLOCK);
	for (long i = 0; i < BLOCK; ++i)
	{
		in_l[size_t(i)] = dist(rng);
		in_r[size_t(i)] = dist(rng);
	}
	const float *in[2] = {in_l.data(), in_r.data()};
	float *out[2] = {out_l.data(), out_r.data()};
	for (auto _ : state)
	{
		dsp.do_process_replacing(out, in, BLOCK, false);
		benchmark::DoNotOptimize(out_l.data());
		benchmark::DoNotOptimize(out_r.data());
	}
	state.counters["realtime_x"] =
	   benchmark::Counter(double(state.iterations()) * BLOCK / SAMPLE_FREQ, benchmark::Counter::kIsRate);
}

void BM_Engine_default(benchmark::State &state)
{
	run(state, false);
}

void BM_Engine_worst_case(benchmark::State &state)
{
	run(state, true);
}

}  // namespace

BENCHMARK(BM_Engine_default);
BENCHMARK(BM_Engine_worst_case);
