// Shared pointer ownership.
#include "sys/BoundedQueue.h"
#include "sys/SharedPtr.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <utility>
#include <vector>

namespace
{

struct Base
{
	virtual ~Base() = default;
	virtual int id() const
	{
		return 0;
	}
};

// Counts live instances so tests see exactly when the object dies.
struct Tracked : Base
{
	explicit Tracked(int *alive_arg) : alive(alive_arg)
	{
		++*alive;
	}
	~Tracked() override
	{
		--*alive;
	}
	int id() const override
	{
		return 7;
	}
	int *alive;
};

}  // namespace

TEST(SharedPtr, LastOwnerDeletesThroughVirtualDestructor)
{
	int alive = 0;
	{
		basic::SharedPtr<Base> a;
		{
			basic::SharedPtr<Tracked> t(new Tracked(&alive));
			a = t;  // derived to base shares the counter
			EXPECT_EQ(a.get_count(), 2);
			EXPECT_EQ(a->id(), 7);
		}
		EXPECT_EQ(alive, 1);
		basic::SharedPtr<Base> b(a);
		basic::SharedPtr<Base> c;
		c = b;
		EXPECT_EQ(a.get_count(), 3);
		c = c;  // self-assignment keeps the object
		EXPECT_EQ(alive, 1);
	}
	EXPECT_EQ(alive, 0);
}

TEST(SharedPtr, AssignmentReleasesOldTargetAndMoveTransfers)
{
	int alive_1 = 0;
	int alive_2 = 0;
	basic::SharedPtr<Tracked> a(new Tracked(&alive_1));
	basic::SharedPtr<Tracked> b(new Tracked(&alive_2));
	a = b;
	EXPECT_EQ(alive_1, 0);
	EXPECT_EQ(alive_2, 1);
	basic::SharedPtr<Tracked> m(std::move(a));
	EXPECT_FALSE(a);
	EXPECT_EQ(m.get_count(), 2);
	m.destroy();
	b.destroy();
	EXPECT_EQ(alive_2, 0);
	basic::SharedPtr<Tracked> null_ptr(nullptr);
	EXPECT_EQ(null_ptr.get_count(), 0);
}

TEST(BoundedQueue, ManyWritersOneReaderLoseNothingAndAFullQueueRefuses)
{
	sys::BoundedQueue<int> q(1000);
	EXPECT_EQ(q.capacity(), 1024u);
	for (int i = 0; i < 1024; ++i)
	{
		ASSERT_TRUE(q.push(i));
	}
	EXPECT_FALSE(q.push(-1)) << "full: refused, not waited for";
	int v = 0;
	for (int i = 0; i < 1024; ++i)
	{
		ASSERT_TRUE(q.pop(v));
		ASSERT_EQ(v, i) << "first in, first out";
	}
	EXPECT_FALSE(q.pop(v));

	// Four writers, each its own numbers, against one reader.
	constexpr int PER_WRITER = 20000;
	std::vector<std::thread> writers;
	for (int w = 0; w < 4; ++w)
	{
		writers.emplace_back([&q, w] {
			for (int i = 0; i < PER_WRITER; ++i)
			{
				while (!q.push(w * PER_WRITER + i))
				{
					std::this_thread::yield();
				}
			}
		});
	}
	std::vector<int> seen(4 * PER_WRITER, 0);
	std::vector<int> last(4, -1);
	for (int n = 0; n < 4 * PER_WRITER;)
	{
		if (q.pop(v))
		{
			++seen[size_t(v)];
			// Each writer's numbers come out in its order.
			EXPECT_GT(v % PER_WRITER, last[size_t(v / PER_WRITER)]);
			last[size_t(v / PER_WRITER)] = v % PER_WRITER;
			++n;
		}
	}
	for (std::thread &t : writers)
	{
		t.join();
	}
	EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 4 * PER_WRITER);
}
