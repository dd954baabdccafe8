// Shared pointer ownership.
#include "sys/SharedPtr.h"

#include <gtest/gtest.h>

#include <utility>

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
