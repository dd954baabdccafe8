// Parameter changes posted from one thread and collected on another.
#include "params/ParamChangeBoard.h"

#include <gtest/gtest.h>

#include <thread>
#include <tuple>
#include <vector>

using rivo::ParamChangeBoard;

namespace
{

using Change = std::tuple<int, float, int>;

std::vector<Change> collect(ParamChangeBoard &b)
{
	std::vector<Change> v;
	b.collect([&v](int i, float val, int prio) { v.emplace_back(i, val, prio); });
	return v;
}

}  // namespace

TEST(ParamChangeBoard, TheLatestValueOfEachParameterIsCollectedOnce)
{
	ParamChangeBoard b(123);
	b.post(3, 0.2f, 200);
	b.post(100, 1.0f, 150);
	b.post(3, 0.7f, -5);
	b.post(123, 0.5f, 1);
	b.post(-1, 0.5f, 1);
	EXPECT_EQ(collect(b), (std::vector<Change>{{3, 0.7f, -5}, {100, 1.0f, 150}}));
	EXPECT_TRUE(collect(b).empty());
	b.post(64, 0.25f, 0);
	EXPECT_EQ(collect(b), (std::vector<Change>{{64, 0.25f, 0}}));
}

TEST(ParamChangeBoard, AReaderOnAnotherThreadNeverSeesAnOlderValueAfterANewerOne)
{
	constexpr int N = 8;
	constexpr int STEPS = 20000;
	ParamChangeBoard b(N);
	std::thread writer([&b] {
		for (int s = 1; s <= STEPS; ++s)
		{
			b.post(s % N, float(s), s);
		}
	});
	std::vector<float> last(N, 0.0f);
	bool ordered = true;
	const auto take = [&](int i, float v, int prio) {
		ordered &= (v >= last[size_t(i)] && int(v) == prio);
		last[size_t(i)] = v;
	};
	while (last[STEPS % N] < float(STEPS))
	{
		b.collect(take);
	}
	writer.join();
	b.collect(take);
	EXPECT_TRUE(ordered);
	for (int i = 0; i < N; ++i)
	{
		EXPECT_EQ(int(last[size_t(i)]) % N, i);
		EXPECT_GT(last[size_t(i)], float(STEPS - N));
	}
}
