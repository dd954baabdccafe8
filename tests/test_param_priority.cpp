// Arbitration between the host, the preset morph and the editor.
#include "params/ParamPriority.h"
#include "params/ParamPriorityList.h"

#include <gtest/gtest.h>

using rivo::ParamPriority;

TEST(ParamPriority, FreshRecordAcceptsAnyPriorityIncludingZero)
{
	ParamPriority rec;
	EXPECT_TRUE(rec.is_free(0.0, 0));
	EXPECT_TRUE(rec.get(0.0, 0));
	ParamPriority rec2;
	EXPECT_TRUE(rec2.get(100.0, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_EQ(rec2.get_owner(), 100);
}

TEST(ParamPriority, StrongerHoldBlocksWeakerUntilStrictlyExpired)
{
	ParamPriority rec;
	ASSERT_TRUE(rec.get(10.0, ParamPriority::Prio_EDITOR));
	EXPECT_FALSE(rec.is_free(10.3, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_FALSE(rec.get(10.3, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_EQ(rec.get_owner(), 200);
	EXPECT_EQ(rec.get_time(), 10.0);  // a refused request changes nothing

	// Exactly at time + ttl the hold is still there.
	EXPECT_FALSE(rec.get(10.5, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_TRUE(rec.get(10.6, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_EQ(rec.get_owner(), 100);
	EXPECT_EQ(rec.get_time(), 10.6);
}

TEST(ParamPriority, OwnerRenewsItsHoldWithEveryWrite)
{
	ParamPriority rec;
	ASSERT_TRUE(rec.get(10.0, ParamPriority::Prio_PRESET_MORPH));
	// Morph steps every 0.1 s keep the host out for the whole morph.
	for (double t = 10.1; t < 12.0; t += 0.1)
	{
		EXPECT_TRUE(rec.get(t, ParamPriority::Prio_PRESET_MORPH));
		EXPECT_FALSE(rec.get(t + 0.05, ParamPriority::Prio_HOST_AUTOMATION)) << t;
	}
	const double last = rec.get_time();
	EXPECT_TRUE(rec.get(last + 0.51, ParamPriority::Prio_HOST_AUTOMATION));
}

TEST(ParamPriority, EqualPriorityTakesOverAndHigherAlwaysWins)
{
	ParamPriority rec;
	ASSERT_TRUE(rec.get(1.0, ParamPriority::Prio_HOST_PROGRAM));
	EXPECT_TRUE(rec.get(1.1, ParamPriority::Prio_EDITOR));  // both 200
	EXPECT_TRUE(rec.get(1.2, ParamPriority::Prio_HOST_MIDI) == false);
	ASSERT_TRUE(rec.get(5.0, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_TRUE(rec.get(5.01, ParamPriority::Prio_PRESET_MORPH));
	EXPECT_FALSE(rec.get(5.02, ParamPriority::Prio_HOST_MIDI));
}

TEST(ParamPriority, ReleaseOnlyByOwnerPriority)
{
	ParamPriority rec;
	ASSERT_TRUE(rec.get(10.0, 200));
	rec.release(100);
	EXPECT_EQ(rec.get_owner(), 200);
	EXPECT_FALSE(rec.get(10.1, 100));
	rec.release(200);
	EXPECT_EQ(rec.get_owner(), 0);
	EXPECT_TRUE(rec.get(10.1, 100));
	rec.release();
	EXPECT_TRUE(rec.get(10.2, 0));
}

TEST(ParamPriority, TtlIsAdjustable)
{
	ParamPriority rec;
	rec.set_ttl(2.0);
	ASSERT_TRUE(rec.get(0.0, 200));
	EXPECT_FALSE(rec.get(1.9, 100));
	EXPECT_TRUE(rec.get(2.1, 100));
}

TEST(ParamPriorityList, RecordsPerIndexAreIndependent)
{
	rivo::ParamPriorityList list;
	list.set_nbr_param(123);
	ASSERT_EQ(list.get_nbr_param(), 123);
	ASSERT_TRUE(list.get(5, 1.0, 200));
	EXPECT_FALSE(list.get(5, 1.2, 100));
	EXPECT_TRUE(list.get(6, 1.2, 100));
	EXPECT_FALSE(list.is_free(5, 1.2, 100));
	EXPECT_TRUE(list.is_free(5, 1.2, 200));

	list.release(5, 100);
	EXPECT_FALSE(list.is_free(5, 1.2, 100));
	list.release_all();
	EXPECT_TRUE(list.is_free(5, 1.2, 0));
	EXPECT_TRUE(list.is_free(6, 1.2, 0));
}

TEST(ParamPriorityList, ResizeKeepsOldRecordsAndOutOfRangeIsRefused)
{
	rivo::ParamPriorityList list;
	list.set_nbr_param(2);
	list.set_ttl(3.0);
	ASSERT_TRUE(list.get(1, 0.0, 200));
	list.set_nbr_param(10);
	EXPECT_FALSE(list.is_free(1, 2.0, 100));  // kept with its own ttl
	EXPECT_EQ(list.use_prio(9).get_ttl(), ParamPriority::DEFAULT_TTL);
	EXPECT_FALSE(list.get(10, 0.0, 200));
	EXPECT_FALSE(list.get(-1, 0.0, 200));
	EXPECT_FALSE(list.is_free(10, 0.0, 200));
	list.release(99, 200);  // ignored, no crash
	list.set_nbr_param(0);
	EXPECT_EQ(list.get_nbr_param(), 0);
}
