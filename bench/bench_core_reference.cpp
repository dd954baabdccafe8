// The yardstick of the engine's speed: a bare kernel of its worst-case core,
// measured in the same run. Four voices side by side, one per SSE lane, each
// a 32-coefficient 90-degree network (two chains of 16 all-pass units in
// z^-2) with feedback through a soft clip and a quadrature oscillator, and
// nothing else. The network is in state form (unit k gives P_k u + T_k, T_k
// from past samples only, computed off the feedback path), the fastest way
// such a kernel is written; it is built with the engine's own flags.
#include <benchmark/benchmark.h>

#include <xmmintrin.h>

#include <cmath>
#include <random>
#include <vector>

namespace
{

constexpr int UNITS = 16;
constexpr float SAMPLE_FREQ = 48000;
constexpr long BLOCK = 512;

struct Chain
{
	__m128 coef[UNITS];
	__m128 prod[UNITS];  // product of the coefficients up to each unit
	__m128 t[UNITS];     // this sample's T of each unit
	__m128 u[2][UNITS];  // unit inputs and outputs of the last two samples
	__m128 y[2][UNITS];

	void init(int chain)
	{
		for (int k = 0; k < UNITS; ++k)
		{
			// Coefficients spread over (0, 1) as a designed network's are.
			coef[k] = _mm_set1_ps(float(1 - std::pow(0.7, 1 + 2 * k + chain)));
			prod[k] = _mm_mul_ps(coef[k], k > 0 ? prod[k - 1] : _mm_set1_ps(1));
			t[k] = _mm_setzero_ps();
			u[0][k] = u[1][k] = y[0][k] = y[1][k] = _mm_setzero_ps();
		}
	}
	__m128 run(__m128 in, int r)
	{
		__m128 x = in;
		for (int k = 0; k < UNITS; ++k)
		{
			const __m128 out = _mm_add_ps(_mm_mul_ps(prod[k], in), t[k]);
			u[r][k] = x;
			y[r][k] = out;
			x = out;
		}
		return x;
	}
	// T for the next sample, from the samples two steps before it (cell r).
	void prepare(int r)
	{
		__m128 acc = _mm_setzero_ps();
		for (int k = 0; k < UNITS; ++k)
		{
			acc = _mm_add_ps(_mm_mul_ps(coef[k], acc), _mm_sub_ps(_mm_mul_ps(coef[k], y[r][k]), u[r][k]));
			t[k] = acc;
		}
	}
};

struct Core
{
	Chain chain[2];
	__m128 prev_in = _mm_setzero_ps();
	__m128 fdbk = _mm_setzero_ps();
	__m128 osc_c = _mm_set1_ps(1);
	__m128 osc_s = _mm_setzero_ps();
	__m128 step_c;
	__m128 step_s;
	__m128 lvl = _mm_set1_ps(0.8f);
	int r = 0;

	Core()
	{
		chain[0].init(0);
		chain[1].init(1);
		alignas(16) float c[4], s[4];
		for (int v = 0; v < 4; ++v)
		{
			const double w = 2 * 3.14159265358979323846 * 100 * (v + 1) / SAMPLE_FREQ;
			c[v] = float(std::cos(w));
			s[v] = float(std::sin(w));
		}
		step_c = _mm_load_ps(c);
		step_s = _mm_load_ps(s);
	}

	void process(const float *in_ptr, float *out_ptr, long n)
	{
		const __m128 one = _mm_set1_ps(1);
		const __m128 sign = _mm_set1_ps(-0.0f);
		for (long i = 0; i < n; ++i)
		{
			const __m128 x = _mm_set1_ps(in_ptr[i]);
			const __m128 u = _mm_add_ps(x, fdbk);
			const __m128 a = chain[0].run(u, r);
			const __m128 b = chain[1].run(prev_in, r);
			prev_in = u;
			r ^= 1;
			chain[0].prepare(r);
			chain[1].prepare(r);
			const __m128 o = _mm_add_ps(_mm_mul_ps(a, osc_c), _mm_mul_ps(b, osc_s));
			const __m128 f = _mm_mul_ps(_mm_add_ps(x, o), lvl);
			fdbk = _mm_div_ps(f, _mm_add_ps(one, _mm_andnot_ps(sign, f)));  // f / (1 + |f|)
			const __m128 nc = _mm_sub_ps(_mm_mul_ps(osc_c, step_c), _mm_mul_ps(osc_s, step_s));
			osc_s = _mm_add_ps(_mm_mul_ps(osc_s, step_c), _mm_mul_ps(osc_c, step_s));
			osc_c = nc;
			alignas(16) float lanes[4];
			_mm_store_ps(lanes, o);
			out_ptr[i] = (lanes[0] + lanes[1]) + (lanes[2] + lanes[3]);
		}
	}
};

void BM_Engine_core_reference(benchmark::State &state)
{
	Core core;
	std::mt19937 rng(1);
	std::uniform_real_distribution<float> dist(-0.5f, 0.5f);
	std::vector<float> in(BLOCK), out(BLOCK);
	for (float &x : in)
	{
		x = dist(rng);
	}
	for (auto _ : state)
	{
		core.process(in.data(), out.data(), BLOCK);
		benchmark::DoNotOptimize(out.data());
	}
	state.counters["realtime_x"] =
	   benchmark::Counter(double(state.iterations()) * BLOCK / SAMPLE_FREQ, benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_Engine_core_reference);
