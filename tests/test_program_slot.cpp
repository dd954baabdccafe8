// Program slot memory images against bytes written out by hand.
#include "params/ProgramSlot.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using rivo::ProgramSlot;
using Bytes = std::vector<unsigned char>;

namespace
{

// Reads from a heap copy of exactly the given size, so any over-read is caught
// by the address sanitizer build.
int read_exact(ProgramSlot &slot, const Bytes &img, long len = -1)
{
	const size_t n = len < 0 ? img.size() : size_t(len);
	const Bytes copy(img.begin(), img.begin() + long(n));
	return slot.read_from_memory(copy.data(), long(n));
}

Bytes written(const ProgramSlot &slot)
{
	Bytes img(size_t(slot.get_object_size()), 0);
	EXPECT_EQ(slot.write_to_memory(img.data(), long(img.size())), 0);
	return img;
}

// Header and a 64-byte name field holding "Ab".
Bytes small_slot_image()
{
	Bytes img = {0x01, 0x02, 0x03, 0x04,  // flags
	             0x00, 0x40,              // name field length 64
	             0x00, 0x02,              // 2 parameters
	             0x00, 0x00, 0x00, 0x03};  // 3 extra bytes
	Bytes name(64, 0);
	name[0] = 'A';
	name[1] = 'b';
	img.insert(img.end(), name.begin(), name.end());
	const Bytes params = {0x3F, 0x80, 0x00, 0x00,   // 1.0f
	                      0xC0, 0x20, 0x00, 0x00};  // -2.5f
	img.insert(img.end(), params.begin(), params.end());
	img.insert(img.end(), {0xDE, 0xAD, 0x7F});
	return img;
}

ProgramSlot small_slot()
{
	ProgramSlot slot;
	slot.set_flags(0x01020304);
	slot.set_name("Ab");
	slot.set_nbr_param(2);
	slot.set_parameter(0, 1.0f);
	slot.set_parameter(1, -2.5f);
	slot.set_extra_byte_size(3);
	slot.set_extra_byte(0, 0xDE);
	slot.set_extra_byte(1, 0xAD);
	slot.set_extra_byte(2, 0x7F);
	return slot;
}

}  // namespace

TEST(ProgramSlotImage, WritesHandMadeBytesAndReadsThemBack)
{
	const Bytes expected = small_slot_image();
	ASSERT_EQ(expected.size(), 87u);
	EXPECT_EQ(written(small_slot()), expected);

	ProgramSlot back;
	ASSERT_EQ(read_exact(back, expected), 0);
	EXPECT_EQ(back, small_slot());
	EXPECT_EQ(back.get_flags(), 0x01020304);
}

TEST(ProgramSlotImage, LongNameCutTo63Characters)
{
	ProgramSlot slot;
	slot.set_name(std::string(70, 'n'));
	Bytes img = written(slot);
	EXPECT_EQ(img[12 + 62], 'n');
	EXPECT_EQ(img[12 + 63], 0);
	ProgramSlot back;
	ASSERT_EQ(read_exact(back, img), 0);
	EXPECT_EQ(back.get_name(), std::string(63, 'n'));
}

TEST(ProgramSlotImage, ReaderHonoursOtherNameFieldLength)
{
	Bytes img = {0, 0, 0, 0, 0x00, 0x20, 0x00, 0x01, 0, 0, 0, 0};  // L = 32, one parameter
	Bytes name(32, 0);
	std::memcpy(name.data(), "Short", 5);
	img.insert(img.end(), name.begin(), name.end());
	img.insert(img.end(), {0x3F, 0x00, 0x00, 0x00});  // 0.5f at offset 44
	ProgramSlot back;
	ASSERT_EQ(read_exact(back, img), 0);
	EXPECT_EQ(back.get_name(), "Short");
	ASSERT_EQ(back.get_nbr_param(), 1);
	EXPECT_EQ(back.get_parameter(0), 0.5f);
}

TEST(ProgramSlotImage, AssignmentKeepsTargetFlagsCopyDoesNot)
{
	const ProgramSlot src = small_slot();
	ProgramSlot dst;
	dst.set_flags(99);
	dst = src;
	EXPECT_EQ(dst.get_flags(), 99);  // the host's current-program mark stays where it is
	EXPECT_EQ(dst.get_name(), "Ab");
	EXPECT_EQ(dst.get_parameter(1), -2.5f);
	EXPECT_EQ(dst.get_extra_byte(2), 0x7F);
	const ProgramSlot copy(src);
	EXPECT_EQ(copy.get_flags(), 0x01020304);
}

TEST(ProgramSlotBadInput, EveryTruncationIsRefusedAndSlotUnchanged)
{
	const Bytes img = small_slot_image();
	for (long len = 0; len < long(img.size()); ++len)
	{
		ProgramSlot slot;
		slot.set_name("Untouched");
		slot.set_nbr_param(5);
		const ProgramSlot before(slot);
		EXPECT_EQ(read_exact(slot, img, len), ProgramSlot::Err_TRUNCATED) << "length " << len;
		EXPECT_EQ(slot, before) << "length " << len;
	}
}

TEST(ProgramSlotBadInput, CountsBeyondDataNegativeCountAndUnterminatedName)
{
	ProgramSlot slot = small_slot();
	const ProgramSlot before(slot);

	Bytes img = small_slot_image();
	img[7] = 0x03;  // one parameter more than the image holds
	EXPECT_EQ(read_exact(slot, img), ProgramSlot::Err_TRUNCATED);
	img = small_slot_image();
	img[11] = 0xFF;  // extra bytes beyond the end
	EXPECT_EQ(read_exact(slot, img), ProgramSlot::Err_TRUNCATED);
	img = small_slot_image();
	img[8] = 0xFF;  // 4 GB of extra bytes
	EXPECT_EQ(read_exact(slot, img), ProgramSlot::Err_TRUNCATED);
	img = small_slot_image();
	img[6] = 0x80;  // negative parameter count
	EXPECT_EQ(read_exact(slot, img), ProgramSlot::Err_BAD_COUNT);
	img = small_slot_image();
	std::memset(img.data() + 12, 'x', 64);  // name without terminator
	EXPECT_EQ(read_exact(slot, img), ProgramSlot::Err_BAD_NAME);
	img = small_slot_image();
	img[4] = 0xFF;  // name field longer than the image
	EXPECT_EQ(read_exact(slot, img), ProgramSlot::Err_TRUNCATED);
	EXPECT_EQ(slot, before);
	EXPECT_EQ(read_exact(slot, Bytes{}, 0), ProgramSlot::Err_TRUNCATED);
}

TEST(ProgramSlotBadInput, WriteRefusesShortBuffer)
{
	const ProgramSlot slot = small_slot();
	Bytes img(86, 0xEE);
	EXPECT_EQ(slot.write_to_memory(img.data(), long(img.size())), ProgramSlot::Err_BUF_TOO_SMALL);
	EXPECT_EQ(img, Bytes(86, 0xEE));
}
