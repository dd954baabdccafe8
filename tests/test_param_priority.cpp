// Arbitration between the host, the preset morph and the editor.
#include "params/ParamPriority.h"
#include "params/ParamPriorityList.h"

#include <gtest/gtest.h>

using rivo::ParamPriority;

TEST(ParamPriority, WithinTheHoldOnlyEqualOrHigherTakesOver)
{
	struct Case
	{
		int holder;
		int request;
		bool taken;
	};
	const Case cases[] = {
	   {ParamPriority::Prio_FREE, ParamPriority::Prio_FREE, true},
	   {ParamPriority::Prio_HOST_PROGRAM, ParamPriority::Prio_EDITOR, true},  // both 200
	   {ParamPriority::Prio_EDITOR, ParamPriority::Prio_HOST_MIDI, false},
	   {ParamPriority::Prio_HOST_AUTOMATION, ParamPriority::Prio_PRESET_MORPH, true},
	   {ParamPriority::Prio_PRESET_MORPH, ParamPriority::Prio_HOST_MIDI, false},
	   {ParamPriority::Prio_HOST_MIDI, ParamPriority::Prio_HOST_AUTOMATION, false},
	};
	for (const Case &c : cases)
	{
		ParamPriority rec;
		ASSERT_TRUE(rec.get(1.0, c.holder));  // a fresh record takes anyone, even priority 0
		EXPECT_EQ(rec.is_free(1.1, c.request), c.taken) << c.holder << " then " << c.request;
		EXPECT_EQ(rec.get(1.1, c.request), c.taken) << c.holder << " then " << c.request;
		EXPECT_EQ(rec.get_owner(), c.taken ? c.request : c.holder);
	}
}

TEST(ParamPriority, StrongerHoldBlocksWeakerUntilStrictlyExpired)
{
	ParamPriority rec;
	ASSERT_TRUE(rec.get(10.0, ParamPriority::Prio_EDITOR));
	EXPECT_FALSE(rec.get(10.3, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_EQ(rec.get_time(), 10.0);  // a refused request changes nothing

	// Exactly at time + ttl the hold is still there.
	EXPECT_FALSE(rec.get(10.5, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_TRUE(rec.get(10.6, ParamPriority::Prio_HOST_AUTOMATION));
	EXPECT_EQ(rec.get_owner(), ParamPriority::Prio_HOST_AUTOMATION);
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

TEST(ParamPriority, ReleaseOnlyByOwnerPriority)
{
	ParamPriority rec;
	ASSERT_TRUE(rec.get(10.0, 200));
	rec.release(100);
	EXPECT_FALSE(rec.get(10.1, 100));
	rec.release(200);
	EXPECT_TRUE(rec.get(10.1, 100));
}

TEST(ParamPriorityList, RecordsPerIndexAreIndependentAndOutOfRangeIsRefused)
{
	rivo::ParamPriorityList list;
	list.set_nbr_param(2);
	ASSERT_TRUE(list.get(1, 0.0, 200));
	list.set_nbr_param(123);  // growing keeps the records there are
	EXPECT_FALSE(list.is_free(1, 0.2, 100));
	EXPECT_FALSE(list.get(1, 0.2, 100));
	EXPECT_TRUE(list.is_free(1, 0.2, 200));
	EXPECT_TRUE(list.get(2, 0.2, 100));
	list.release(1, 100);
	EXPECT_FALSE(list.is_free(1, 0.2, 100));
	list.release(1, 200);
	EXPECT_TRUE(list.is_free(1, 0.2, 0));

	for (int index : {123, -1})
	{
		EXPECT_FALSE(list.get(index, 0.0, 200)) << index;
		EXPECT_FALSE(list.is_free(index, 0.0, 200)) << index;
		list.release(index, 200);  // ignored, no crash
	}
}
