// Writes the demo's source: four bars at 120 BPM of a chord progression over
// a kick, snare and hi-hat pattern, synthesised here so that the demo needs no
// downloaded sample.
//   tarvelle-demo-source OUTPUT.wav
#include "tools/render/AudioFileWriter.h"
#include "tools/render/RenderError.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace
{

constexpr int RATE = 44100;
constexpr double BEAT = 0.5;  // seconds at 120 BPM
constexpr int BARS = 4;
constexpr double TWO_PI = 6.283185307179586;

double note_hz(int midi)
{
	return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// One bar of a soft saw chord, slightly detuned between the channels.
void add_chord(std::vector<std::vector<float>> &out, size_t start, size_t len, const int (&notes)[4])
{
	for (size_t c = 0; c < 2; ++c)
	{
		const double detune = c == 0 ? 1.0 : 1.003;
		for (int note : notes)
		{
			const double w = TWO_PI * note_hz(note) * detune / RATE;
			for (size_t i = 0; i < len; ++i)
			{
				const double t = double(i) / RATE;
				const double env = std::min({1.0, t / 0.02, double(len - i) / RATE / 0.05});
				double s = 0;
				for (int h = 1; h <= 8; ++h)
				{
					s += std::sin(w * h * double(i)) / h;
				}
				out[c][start + i] += float(0.05 * env * s);
			}
		}
	}
}

void add_drums(std::vector<std::vector<float>> &out, size_t nbr_frames)
{
	std::mt19937 rng(3);
	std::uniform_real_distribution<double> white(-1, 1);
	const size_t eighth = size_t(BEAT / 2 * RATE);
	double hp_lp = 0;
	for (size_t step = 0; step * eighth < nbr_frames; ++step)
	{
		const size_t at = step * eighth;
		const size_t len = std::min(size_t(0.4 * RATE), nbr_frames - at);
		const int beat_step = int(step % 8);  // eighths within the bar
		for (size_t i = 0; i < len; ++i)
		{
			const double t = double(i) / RATE;
			double s = 0;
			if (beat_step == 0 || beat_step == 4)  // kick on 1 and 3
			{
				s += std::sin(TWO_PI * (45 * t + 110 * 0.04 * (1 - std::exp(-t / 0.04)))) * std::exp(-t / 0.15);
			}
			if (beat_step == 2 || beat_step == 6)  // snare on 2 and 4
			{
				s += (0.5 * white(rng) + 0.3 * std::sin(TWO_PI * 185 * t)) * std::exp(-t / 0.09);
			}
			const double w = white(rng);
			hp_lp += 0.3 * (w - hp_lp);
			s += 0.15 * (w - hp_lp) * std::exp(-t / 0.025);  // closed hat on every eighth
			out[0][at + i] += float(0.5 * s);
			out[1][at + i] += float(0.5 * s);
		}
	}
}

}  // namespace

int main(int argc, char **argv)
{
	if (argc != 2)
	{
		std::fprintf(stderr, "usage: tarvelle-demo-source OUTPUT.wav\n");
		return 2;
	}
	const size_t bar = size_t(4 * BEAT * RATE);
	const size_t nbr_frames = bar * BARS;
	std::vector<std::vector<float>> out(2, std::vector<float>(nbr_frames, 0.0f));
	const int chords[BARS][4] = {{45, 48, 52, 57}, {41, 45, 48, 53}, {48, 52, 55, 60}, {43, 47, 50, 55}};
	for (int b = 0; b < BARS; ++b)
	{
		add_chord(out, size_t(b) * bar, bar, chords[b]);
	}
	add_drums(out, nbr_frames);
	float peak = 0;
	for (const auto &c : out)
	{
		for (float x : c)
		{
			peak = std::max(peak, std::fabs(x));
		}
	}
	const float gain = 0.7f / peak;  // about -3 dBFS at the loudest
	for (auto &c : out)
	{
		for (float &x : c)
		{
			x *= gain;
		}
	}
	try
	{
		rivo::AudioFileWriter writer(argv[1], 2, RATE, SF_FORMAT_PCM_24);
		writer.write(out, long(nbr_frames));
		writer.commit();
	}
	catch (const rivo::RenderError &e)
	{
		std::fprintf(stderr, "tarvelle-demo-source: %s\n", e.what());
		return e.get_status();
	}
	return 0;
}
