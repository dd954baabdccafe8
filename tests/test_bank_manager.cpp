// Bank memory images: layout, round trips and refused images.
#include "params/BankManager.h"

#include <gtest/gtest.h>

#include <vector>

using rivo::BankManager;
using rivo::ProgramSlot;
using Bytes = std::vector<unsigned char>;

namespace
{

ProgramSlot engine_slot(int seed)
{
	ProgramSlot slot;
	slot.set_nbr_param(123);
	slot.set_extra_byte_size(16);
	for (int i = 0; i < 123; ++i)
	{
		slot.set_parameter(i, float((i * 7 + seed) % 100) / 100.0f);
	}
	slot.set_extra_byte(0, static_cast<unsigned char>(seed));
	slot.set_name("Program " + std::to_string(seed));
	return slot;
}

BankManager engine_bank(int n)
{
	BankManager bank(n);
	for (int i = 0; i < n; ++i)
	{
		bank.store(i, engine_slot(i));
	}
	return bank;
}

Bytes written(const BankManager &bank)
{
	Bytes img(size_t(bank.get_object_size()), 0);
	EXPECT_EQ(bank.write_to_memory(img.data(), long(img.size())), 0);
	return img;
}

int read_exact(BankManager &bank, const Bytes &img, size_t n)
{
	const Bytes copy(img.begin(), img.begin() + long(n));
	return bank.read_from_memory(copy.data(), long(n));
}

void put_be32(Bytes &img, size_t pos, unsigned v)
{
	img[pos] = static_cast<unsigned char>(v >> 24);
	img[pos + 1] = static_cast<unsigned char>(v >> 16);
	img[pos + 2] = static_cast<unsigned char>(v >> 8);
	img[pos + 3] = static_cast<unsigned char>(v);
}

}  // namespace

TEST(BankImage, EightSlotsLayout)
{
	const Bytes img = written(engine_bank(8));
	ASSERT_EQ(img.size(), 4680u);
	EXPECT_EQ(Bytes(img.begin(), img.begin() + 8), (Bytes{0, 0, 0, 8, 0, 0, 0x02, 0x48}));
	// Slot 3 starts at 8 + 3 * 584 with its own header: name field length 64, 123 parameters, 16 extra bytes.
	const size_t s3 = 8 + 3 * 584;
	EXPECT_EQ(Bytes(img.begin() + long(s3) + 4, img.begin() + long(s3) + 12), (Bytes{0, 0x40, 0, 123, 0, 0, 0, 16}));
	EXPECT_EQ(img[s3 + 12 + 64 + 4 * 123], 3);  // first extra byte of slot 3
}

TEST(BankImage, RoundTripAndCountFollowsImage)
{
	const BankManager src = engine_bank(3);
	BankManager dst(96);
	ASSERT_EQ(read_exact(dst, written(src), size_t(src.get_object_size())), 0);
	EXPECT_EQ(dst.get_nbr_prog(), 3);
	EXPECT_TRUE(src == dst);
	EXPECT_EQ(written(dst), written(src));
}

TEST(BankBadInput, TruncatedAnywhereLeavesBankAsItWas)
{
	const Bytes img = written(engine_bank(3));
	const BankManager before = engine_bank(5);
	// Every length short of the whole image, in steps that hit headers, names and data.
	for (size_t len = 0; len < img.size(); len += (len < 100 ? 1 : 37))
	{
		BankManager bank = before;
		EXPECT_NE(read_exact(bank, img, len), 0) << "length " << len;
		EXPECT_TRUE(bank == before) << "length " << len;
	}
}

TEST(BankBadInput, EachHeaderFaultHasItsCode)
{
	const Bytes good = written(engine_bank(2));
	BankManager bank = engine_bank(4);
	const BankManager before = bank;

	Bytes img = good;
	put_be32(img, 0, 3);  // announces a program more than it holds
	EXPECT_EQ(read_exact(bank, img, img.size()), BankManager::Err_TRUNCATED);
	put_be32(img, 0, 0x7FFFFFFF);
	put_be32(img, 4, 0x7FFFFFFF);  // the product overflows 32 bits
	EXPECT_EQ(read_exact(bank, img, img.size()), BankManager::Err_TRUNCATED);
	put_be32(img, 0, 0);
	EXPECT_EQ(read_exact(bank, img, img.size()), BankManager::Err_BAD_COUNT);
	put_be32(img, 0, 0xFFFFFFFF);
	EXPECT_EQ(read_exact(bank, img, img.size()), BankManager::Err_BAD_COUNT);
	img = good;
	put_be32(img, 4, 11);  // stride below a slot header
	EXPECT_EQ(read_exact(bank, img, img.size()), BankManager::Err_BAD_STRIDE);
	img = good;
	put_be32(img, 4, 300);  // slots claim more than the stride holds
	EXPECT_EQ(read_exact(bank, img, img.size()), BankManager::Err_TRUNCATED);
	img = good;
	img[8 + 584 + 12 + 63] = 'x';  // second slot's name fills its field
	for (int i = 0; i < 64; ++i)
	{
		img[8 + 584 + 12 + size_t(i)] = 'x';
	}
	EXPECT_EQ(read_exact(bank, img, img.size()), BankManager::Err_BAD_NAME);
	EXPECT_TRUE(bank == before);
}

TEST(BankBadInput, WriteRefusesMixedSlotSizesAndShortBuffer)
{
	BankManager bank = engine_bank(3);
	bank[2].set_nbr_param(10);
	Bytes img(20000, 0);
	EXPECT_EQ(bank.write_to_memory(img.data(), long(img.size())), BankManager::Err_MIXED_SIZES);
	const BankManager ok = engine_bank(3);
	EXPECT_EQ(ok.write_to_memory(img.data(), ok.get_object_size() - 1), BankManager::Err_BUF_TOO_SMALL);
}
