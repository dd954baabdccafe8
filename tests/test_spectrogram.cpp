// The demo's pictures: tones a decade apart land a constant distance apart,
// higher ones higher up, as a logarithmic frequency axis puts them.
#include "support/TempFolder.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

TEST(Spectrogram, DecadesAreEvenlySpacedAndRiseUpwards)
{
	testsupport::TempFolder folder{"tarvelle-spectrogram-test"};
	const int fs = 44100;
	const double freqs[] = {100, 1000, 10000};  // one second each
	std::vector<float> x;
	for (double f : freqs)
	{
		for (int i = 0; i < fs; ++i)
		{
			x.push_back(float(0.5 * std::sin(2 * M_PI * f * i / fs)));
		}
	}
	SF_INFO info{};
	info.channels = 1;
	info.samplerate = fs;
	info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
	SNDFILE *f = sf_open(folder.path("tones.wav").c_str(), SFM_WRITE, &info);
	ASSERT_NE(f, nullptr);
	sf_writef_float(f, x.data(), sf_count_t(x.size()));
	sf_close(f);
	const std::string cmd = std::string(SPECTROGRAM_TOOL) + " " + folder.path("tones.wav") + " " + folder.path("t.png");
	ASSERT_EQ(std::system(cmd.c_str()), 0);

	cairo_surface_t *png = cairo_image_surface_create_from_png(folder.path("t.png").c_str());
	ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
	const int w = cairo_image_surface_get_width(png);
	const int h = cairo_image_surface_get_height(png);
	const int stride = cairo_image_surface_get_stride(png);
	const unsigned char *data = cairo_image_surface_get_data(png);
	// The plot spans most of the width: the middle of each second.
	double row[3];
	for (int k = 0; k < 3; ++k)
	{
		const int col = int(w * (0.2 + 0.28 * k));
		int best = 0, best_y = -1;
		for (int y = 0; y < h; ++y)
		{
			const unsigned char *px = data + y * stride + col * 4;
			const int bright = px[0] + px[1] + px[2];
			if (bright > best)
			{
				best = bright;
				best_y = y;
			}
		}
		row[k] = best_y;
	}
	cairo_surface_destroy(png);
	EXPECT_GT(row[0], row[1]);
	EXPECT_GT(row[1], row[2]);
	EXPECT_NEAR(row[0] - row[1], row[1] - row[2], 3);
	EXPECT_GT(row[0] - row[1], 60);  // a decade is a good part of the panel, not a sliver
}
