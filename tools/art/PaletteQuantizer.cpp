// Palette quantizer.
#include "tools/art/PaletteQuantizer.h"

#include <algorithm>
#include <array>
#include <map>

namespace art
{

namespace
{

struct Entry
{
	std::array<int, 3> c;
	double w;
};

struct Box
{
	std::vector<Entry> entries;

	double weight() const
	{
		double w = 0;
		for (const Entry &e : entries)
		{
			w += e.w;
		}
		return w;
	}
	// The widest channel and its range.
	int widest(int &range) const
	{
		int best = 0;
		range = -1;
		for (int ch = 0; ch < 3; ++ch)
		{
			int lo = 255;
			int hi = 0;
			for (const Entry &e : entries)
			{
				lo = std::min(lo, e.c[size_t(ch)]);
				hi = std::max(hi, e.c[size_t(ch)]);
			}
			if (hi - lo > range)
			{
				range = hi - lo;
				best = ch;
			}
		}
		return best;
	}
};

}  // namespace

std::vector<uint32_t> PaletteQuantizer::make_palette(const std::vector<Rgba> &pix, int max_colours)
{
	std::map<uint32_t, double> hist;  // ordered: the same input gives the same palette
	for (const Rgba &p : pix)
	{
		if (p.a > 0)
		{
			hist[(uint32_t(p.r) << 16) | (uint32_t(p.g) << 8) | p.b] += 1 + double(p.a) / 255;
		}
	}
	if (hist.empty())
	{
		return {0};
	}
	std::vector<Box> boxes(1);
	for (const auto &h : hist)
	{
		boxes[0].entries.push_back({{int(h.first >> 16), int((h.first >> 8) & 0xFF), int(h.first & 0xFF)}, h.second});
	}
	while (int(boxes.size()) < max_colours)
	{
		// Split the box whose widest channel spans most, weighted by its pixels.
		int pick = -1;
		double best = 0;
		for (size_t i = 0; i < boxes.size(); ++i)
		{
			int range = 0;
			boxes[i].widest(range);
			const double score = double(range) * boxes[i].weight();
			if (boxes[i].entries.size() > 1 && range > 0 && score > best)
			{
				best = score;
				pick = int(i);
			}
		}
		if (pick < 0)
		{
			break;
		}
		Box &box = boxes[size_t(pick)];
		int range = 0;
		const int ch = box.widest(range);
		std::stable_sort(box.entries.begin(), box.entries.end(),
		                 [ch](const Entry &a, const Entry &b) { return a.c[size_t(ch)] < b.c[size_t(ch)]; });
		const double half = box.weight() / 2;
		double acc = 0;
		size_t cut = 1;
		for (; cut < box.entries.size(); ++cut)
		{
			acc += box.entries[cut - 1].w;
			if (acc >= half)
			{
				break;
			}
		}
		cut = std::min(std::max<size_t>(cut, 1), box.entries.size() - 1);
		Box upper;
		upper.entries.assign(box.entries.begin() + long(cut), box.entries.end());
		box.entries.resize(cut);
		boxes.push_back(upper);
	}
	std::vector<uint32_t> palette;
	for (const Box &box : boxes)
	{
		double sum[3] = {0, 0, 0};
		const double w = box.weight();
		for (const Entry &e : box.entries)
		{
			for (int ch = 0; ch < 3; ++ch)
			{
				sum[ch] += e.c[size_t(ch)] * e.w;
			}
		}
		uint32_t c = 0;
		for (int ch = 0; ch < 3; ++ch)
		{
			c = (c << 8) | uint32_t(std::clamp(int(sum[ch] / w + 0.5), 0, 255));
		}
		palette.push_back(c);
	}
	return palette;
}

int PaletteQuantizer::nearest(const std::vector<uint32_t> &palette, float r, float g, float b)
{
	int best = 0;
	float best_d = 1e30f;
	for (size_t i = 0; i < palette.size(); ++i)
	{
		const float dr = r - float((palette[i] >> 16) & 0xFF);
		const float dg = g - float((palette[i] >> 8) & 0xFF);
		const float db = b - float(palette[i] & 0xFF);
		const float d = dr * dr + dg * dg + db * db;
		if (d < best_d)
		{
			best_d = d;
			best = int(i);
		}
	}
	return best;
}

std::vector<uint8_t> PaletteQuantizer::map_alpha(const std::vector<Rgba> &pix, const std::vector<uint32_t> &palette)
{
	std::vector<uint8_t> out;
	out.reserve(pix.size() * 2);
	std::map<uint32_t, int> cache;
	for (const Rgba &p : pix)
	{
		int index = 0;
		if (p.a > 0)
		{
			const uint32_t key = (uint32_t(p.r) << 16) | (uint32_t(p.g) << 8) | p.b;
			auto it = cache.find(key);
			if (it == cache.end())
			{
				it = cache.emplace(key, nearest(palette, p.r, p.g, p.b)).first;
			}
			index = it->second;
		}
		out.push_back(uint8_t(index));
		out.push_back(p.a);
	}
	return out;
}

std::vector<uint8_t> PaletteQuantizer::map_dithered(const std::vector<Rgba> &pix, int width,
                                                    const std::vector<uint32_t> &palette, float spread)
{
	static const int bayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
	                                {12, 44, 4, 36, 14, 46, 6, 38},  {60, 28, 52, 20, 62, 30, 54, 22},
	                                {3, 35, 11, 43, 1, 33, 9, 41},   {51, 19, 59, 27, 49, 17, 57, 25},
	                                {15, 47, 7, 39, 13, 45, 5, 37},  {63, 31, 55, 23, 61, 29, 53, 21}};
	std::vector<uint8_t> out(pix.size());
	for (size_t i = 0; i < pix.size(); ++i)
	{
		const int x = int(i % size_t(width));
		const int y = int(i / size_t(width));
		const float d = (float(bayer[y % 8][x % 8]) + 0.5f) / 64 - 0.5f;
		const Rgba &p = pix[i];
		out[i] = uint8_t(nearest(palette, p.r + d * spread, p.g + d * spread, p.b + d * spread));
	}
	return out;
}

}  // namespace art
