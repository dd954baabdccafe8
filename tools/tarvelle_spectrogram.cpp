// tarvelle-spectrogram: a picture of an audio file with a logarithmic
// frequency axis (20 Hz to 20 kHz), one panel per channel, so that sweeping
// notches and shifted partials show as the ear hears them.
//   tarvelle-spectrogram [--title TEXT] IN.wav OUT.png
#include "tools/render/AudioFileReader.h"
#include "tools/render/Fft.h"
#include "tools/render/RenderError.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <string>
#include <vector>

namespace
{

constexpr double PI = 3.14159265358979323846;
constexpr double F_LO = 20;
constexpr double F_HI = 20000;
constexpr double DB_FLOOR = -100;
constexpr int WIDTH = 1000;        // columns of the spectrogram
constexpr int PANEL_H = 360;       // rows per channel
constexpr int LEFT = 64, RIGHT = 90, TOP = 34, BOTTOM = 40, GAP = 26;
// Long windows resolve the low end, short ones follow quick sweeps above it;
// in between the two are blended, so no seam shows.
constexpr int LONG_N = 8192;
constexpr int SHORT_N = 2048;
constexpr double BLEND_LO = 150;
constexpr double BLEND_HI = 600;

// Power spectrum (relative to a full-scale sine) of an n-sample Hann window centred on pos.
std::vector<double> power_at(const std::vector<float> &x, long long pos, int n)
{
	std::vector<std::complex<double>> a(static_cast<size_t>(n));
	for (int i = 0; i < n; ++i)
	{
		const long long k = pos - n / 2 + i;
		const double w = 0.5 - 0.5 * std::cos(2 * PI * i / n);
		a[size_t(i)] = (k >= 0 && k < (long long)x.size()) ? w * x[size_t(k)] : 0.0;
	}
	rivo::fft(a);
	std::vector<double> p(size_t(n / 2));
	const double scale = 4.0 / (double(n) * n);  // a Hann window halves the amplitude
	for (size_t i = 0; i < p.size(); ++i)
	{
		p[i] = std::norm(a[i]) * scale;
	}
	return p;
}

// The strongest bin in [f0, f1), or the bin nearest f0 when the band holds none.
double band_db(const std::vector<double> &p, double f0, double f1, double bin_hz)
{
	long lo = long(std::ceil(f0 / bin_hz));
	long hi = long(std::ceil(f1 / bin_hz));
	lo = std::clamp(lo, 0L, long(p.size()) - 1);
	hi = std::clamp(hi, lo + 1, long(p.size()));
	double best = 0;
	for (long i = lo; i < hi; ++i)
	{
		best = std::max(best, p[size_t(i)]);
	}
	return 10 * std::log10(best + 1e-30);
}

// Black, deep blue, purple, red, orange, pale yellow: darker is quieter.
void colour_of(double db, unsigned char rgb[3])
{
	static const double stops[][3] = {{0, 0, 0},      {0.10, 0.05, 0.35}, {0.45, 0.08, 0.55},
	                                  {0.85, 0.2, 0.3}, {0.98, 0.6, 0.1},   {1, 0.98, 0.75}};
	const double t = std::clamp((db - DB_FLOOR) / -DB_FLOOR, 0.0, 1.0) * 5;
	const int k = std::min(int(t), 4);
	const double f = t - k;
	for (int c = 0; c < 3; ++c)
	{
		rgb[c] = static_cast<unsigned char>(255 * (stops[k][c] + (stops[k + 1][c] - stops[k][c]) * f) + 0.5);
	}
}

double row_freq(double y)  // y from 0 (top) to PANEL_H (bottom)
{
	return F_LO * std::pow(F_HI / F_LO, 1 - y / PANEL_H);
}

void text(cairo_t *cr, double x, double y, const std::string &s, double align_x)
{
	cairo_text_extents_t ext;
	cairo_text_extents(cr, s.c_str(), &ext);
	cairo_move_to(cr, x - ext.width * align_x, y);
	cairo_show_text(cr, s.c_str());
}

void draw_panel(unsigned char *data, int stride, int y0, const std::vector<float> &x, double fs)
{
	const long long frames = (long long)x.size();
	for (int col = 0; col < WIDTH; ++col)
	{
		const long long pos = (long long)((col + 0.5) * double(frames) / WIDTH);
		const std::vector<double> p_long = power_at(x, pos, LONG_N);
		const std::vector<double> p_short = power_at(x, pos, SHORT_N);
		for (int row = 0; row < PANEL_H; ++row)
		{
			const double f_top = row_freq(row), f_bot = row_freq(row + 1);
			const double mix = std::clamp(std::log(f_bot / BLEND_LO) / std::log(BLEND_HI / BLEND_LO), 0.0, 1.0);
			const double db = (1 - mix) * band_db(p_long, f_bot, f_top, fs / LONG_N) +
			                  mix * band_db(p_short, f_bot, f_top, fs / SHORT_N);
			unsigned char rgb[3];
			colour_of(f_bot < fs / 2 ? db : DB_FLOOR, rgb);
			unsigned char *px = data + (y0 + row) * stride + (LEFT + col) * 4;
			px[0] = rgb[2];
			px[1] = rgb[1];
			px[2] = rgb[0];
			px[3] = 255;
		}
	}
}

void draw_axes(cairo_t *cr, int y0, double seconds, const std::string &label)
{
	cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
	cairo_set_font_size(cr, 11);
	const double freqs[] = {20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000};
	for (double f : freqs)
	{
		const double y = y0 + PANEL_H * (1 - std::log(f / F_LO) / std::log(F_HI / F_LO));
		cairo_move_to(cr, LEFT - 5, y + 0.5);
		cairo_line_to(cr, LEFT, y + 0.5);
		cairo_stroke(cr);
		char buf[16];
		std::snprintf(buf, sizeof(buf), f >= 1000 ? "%gk" : "%g", f >= 1000 ? f / 1000 : f);
		text(cr, LEFT - 8, y + 4, buf, 1);
	}
	const double step = seconds > 20 ? 5 : (seconds > 8 ? 2 : 1);
	for (double t = 0; t <= seconds + 1e-9; t += step)
	{
		const double x = LEFT + WIDTH * t / seconds;
		cairo_move_to(cr, x + 0.5, y0 + PANEL_H);
		cairo_line_to(cr, x + 0.5, y0 + PANEL_H + 5);
		cairo_stroke(cr);
		char buf[16];
		std::snprintf(buf, sizeof(buf), "%gs", t);
		text(cr, x, y0 + PANEL_H + 17, buf, 0.5);
	}
	cairo_save(cr);
	cairo_translate(cr, 14, y0 + PANEL_H / 2.0);
	cairo_rotate(cr, -PI / 2);
	text(cr, 0, 0, label + " (Hz)", 0.5);
	cairo_restore(cr);
}

void draw_legend(cairo_t *cr, int y0, int height)
{
	const int x0 = LEFT + WIDTH + 20;
	for (int y = 0; y < height; ++y)
	{
		unsigned char rgb[3];
		colour_of(DB_FLOOR * double(y) / height, rgb);
		cairo_set_source_rgb(cr, rgb[0] / 255.0, rgb[1] / 255.0, rgb[2] / 255.0);
		cairo_rectangle(cr, x0, y0 + y, 14, 1);
		cairo_fill(cr);
	}
	cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
	for (int db = 0; db >= int(DB_FLOOR); db -= 20)
	{
		text(cr, x0 + 20, y0 + height * (db / DB_FLOOR) + 4, std::to_string(db) + " dB", 0);
	}
}

int run(const std::string &in_path, const std::string &out_path, const std::string &title)
{
	rivo::AudioFileReader reader(in_path);
	const double fs = reader.get_sample_rate();
	std::vector<std::vector<float>> chn(size_t(reader.get_nbr_chn()));
	std::vector<std::vector<float>> block;
	for (long n; (n = reader.read(block, 65536)) > 0;)
	{
		for (size_t c = 0; c < chn.size(); ++c)
		{
			chn[c].insert(chn[c].end(), block[c].begin(), block[c].begin() + n);
		}
	}
	const size_t nbr_panels = std::min<size_t>(chn.size(), 2);
	if (nbr_panels == 0 || chn[0].empty())
	{
		throw rivo::RenderError(rivo::RenderError::Status_INPUT, in_path + " holds no audio");
	}
	const int height = TOP + int(nbr_panels) * PANEL_H + int(nbr_panels - 1) * GAP + BOTTOM;
	cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, LEFT + WIDTH + RIGHT, height);
	cairo_t *cr = cairo_create(surface);
	cairo_set_source_rgb(cr, 0.09, 0.09, 0.11);
	cairo_paint(cr);
	cairo_surface_flush(surface);
	const double seconds = double(chn[0].size()) / fs;
	static const char *const labels[] = {"Left", "Right"};
	for (size_t c = 0; c < nbr_panels; ++c)
	{
		const int y0 = TOP + int(c) * (PANEL_H + GAP);
		draw_panel(cairo_image_surface_get_data(surface), cairo_image_surface_get_stride(surface), y0, chn[c], fs);
	}
	cairo_surface_mark_dirty(surface);
	cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
	cairo_set_line_width(cr, 1);
	for (size_t c = 0; c < nbr_panels; ++c)
	{
		draw_axes(cr, TOP + int(c) * (PANEL_H + GAP), seconds, nbr_panels == 1 ? "Mono" : labels[c]);
	}
	draw_legend(cr, TOP, int(nbr_panels) * PANEL_H + int(nbr_panels - 1) * GAP);
	cairo_set_font_size(cr, 15);
	cairo_set_source_rgb(cr, 1, 1, 1);
	text(cr, LEFT, 22, title, 0);
	cairo_destroy(cr);
	const cairo_status_t st = cairo_surface_write_to_png(surface, out_path.c_str());
	cairo_surface_destroy(surface);
	if (st != CAIRO_STATUS_SUCCESS)
	{
		throw rivo::RenderError(rivo::RenderError::Status_OUTPUT, "cannot write " + out_path);
	}
	return 0;
}

}  // namespace

int main(int argc, char **argv)
{
	std::string title;
	std::vector<std::string> files;
	for (int i = 1; i < argc; ++i)
	{
		const std::string arg = argv[i];
		if (arg == "--title" && i + 1 < argc)
		{
			title = argv[++i];
		}
		else
		{
			files.push_back(arg);
		}
	}
	if (files.size() != 2)
	{
		std::fputs("usage: tarvelle-spectrogram [--title TEXT] IN.wav OUT.png\n", stderr);
		return 2;
	}
	try
	{
		return run(files[0], files[1], title.empty() ? files[0] : title);
	}
	catch (const rivo::RenderError &e)
	{
		std::fprintf(stderr, "tarvelle-spectrogram: %s\n", e.what());
		return e.get_status();
	}
}
