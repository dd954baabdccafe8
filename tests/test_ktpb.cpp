// Preset bank files: the exact file, each error code, and saves that never
// destroy what is stored.
#include "params/KtpbFileOp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using rivo::BankManager;
using rivo::KtpbFileOp;
using Bytes = std::vector<unsigned char>;

namespace
{

BankManager engine_bank(int n, int seed = 0)
{
	BankManager bank(n);
	for (int i = 0; i < n; ++i)
	{
		rivo::ProgramSlot slot;
		slot.set_nbr_param(123);
		slot.set_extra_byte_size(16);
		for (int p = 0; p < 123; ++p)
		{
			slot.set_parameter(p, float((p + i + seed) % 7) / 7.0f);
		}
		slot.set_name("Program " + std::to_string(i));
		bank.store(i, slot);
	}
	return bank;
}

Bytes read_bytes(const std::string &path)
{
	std::ifstream in(path, std::ios::binary);
	return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void write_bytes(const std::string &path, const Bytes &data)
{
	std::ofstream(path, std::ios::binary | std::ios::trunc)
	   .write(reinterpret_cast<const char *>(data.data()), long(data.size()));
}

}  // namespace

TEST(KtpbFile, SavedFileIsHeaderThenBankImage)
{
	const testsupport::TempFolder dir("tarvelle-ktpb");
	const BankManager bank = engine_bank(96);
	const std::string path = dir.path("factory.pbk");
	ASSERT_EQ(KtpbFileOp::save_bank(path.c_str(), bank), 0);
	const Bytes file = read_bytes(path);
	ASSERT_EQ(file.size(), 56080u);
	// "KTPB", then 56072 = 0x0000DB08, then 96 programs of 584 bytes.
	EXPECT_EQ(Bytes(file.begin(), file.begin() + 16),
	          (Bytes{'K', 'T', 'P', 'B', 0x00, 0x00, 0xDB, 0x08, 0, 0, 0, 96, 0, 0, 0x02, 0x48}));
	Bytes image(static_cast<size_t>(bank.get_object_size()), 0);
	ASSERT_EQ(bank.write_to_memory(image.data(), long(image.size())), 0);
	EXPECT_EQ(Bytes(file.begin() + 8, file.end()), image);
	EXPECT_EQ(file[8 + 8 + 12 + 20], 0);  // name padding is zero in files

	BankManager back = engine_bank(96, 5);  // same shape, other values
	ASSERT_EQ(KtpbFileOp::load_bank(path.c_str(), back, true), 0);
	EXPECT_TRUE(back == bank);
	EXPECT_EQ(dir.list(), std::vector<std::string>{"factory.pbk"});  // no temporary file left
}

TEST(KtpbFile, MemoryLoadIgnoresAnnouncedLength)
{
	const BankManager bank = engine_bank(96);
	Bytes res(8 + static_cast<size_t>(bank.get_object_size()), 0);
	res[0] = 'K';
	res[1] = 'T';
	res[2] = 'P';
	res[3] = 'B';
	res[6] = 0x12;  // 4680, the 8-program size, as in the factory resources
	res[7] = 0x48;
	ASSERT_EQ(bank.write_to_memory(res.data() + 8, long(res.size() - 8)), 0);
	BankManager dst(1);
	ASSERT_EQ(KtpbFileOp::load_bank_mem(res.data(), long(res.size()), dst, false), 0);
	EXPECT_EQ(dst.get_nbr_prog(), 96);
	// Shorter than its own counts: refused, the destination kept.
	EXPECT_EQ(KtpbFileOp::load_bank_mem(res.data(), long(res.size()) - 1, dst, false), KtpbFileOp::Err_READ_DATA);
	EXPECT_EQ(KtpbFileOp::load_bank_mem(res.data(), 7, dst, false), KtpbFileOp::Err_READ_HEADER);
	EXPECT_EQ(dst.get_nbr_prog(), 96);
}

TEST(KtpbFile, EachLoadErrorHasItsCodeAndChangesNothing)
{
	const testsupport::TempFolder dir("tarvelle-ktpb");
	const std::string path = dir.path("b.pbk");
	BankManager dst = engine_bank(96, 3);
	const BankManager before = dst;

	EXPECT_EQ(KtpbFileOp::load_bank(dir.path("missing.pbk").c_str(), dst, true), KtpbFileOp::Err_OPEN);
	write_bytes(path, Bytes{'K', 'T', 'P', 'B', 0, 0, 0});
	EXPECT_EQ(KtpbFileOp::load_bank(path.c_str(), dst, true), KtpbFileOp::Err_READ_HEADER);

	ASSERT_EQ(KtpbFileOp::save_bank(path.c_str(), engine_bank(8)), 0);
	Bytes file = read_bytes(path);
	Bytes bad = file;
	bad[0] = 'X';
	write_bytes(path, bad);
	EXPECT_EQ(KtpbFileOp::load_bank(path.c_str(), dst, true), KtpbFileOp::Err_MAGIC);
	bad = file;
	bad[4] = 0x7F;  // announces far more than the file holds
	write_bytes(path, bad);
	EXPECT_EQ(KtpbFileOp::load_bank(path.c_str(), dst, true), KtpbFileOp::Err_SHORT_DATA);
	bad = file;
	bad.resize(bad.size() - 1);  // announced 4680, 4679 there
	write_bytes(path, bad);
	EXPECT_EQ(KtpbFileOp::load_bank(path.c_str(), dst, true), KtpbFileOp::Err_SHORT_DATA);
	bad = file;
	bad[8 + 3] = 9;  // nine programs in data sized for eight
	write_bytes(path, bad);
	EXPECT_EQ(KtpbFileOp::load_bank(path.c_str(), dst, false), KtpbFileOp::Err_READ_DATA);

	write_bytes(path, file);
	EXPECT_EQ(KtpbFileOp::load_bank(path.c_str(), dst, true), KtpbFileOp::Err_PROG_COUNT);
	EXPECT_TRUE(dst == before);

	BankManager eight(8);  // default slots: no parameters
	EXPECT_EQ(KtpbFileOp::load_bank(path.c_str(), eight, true), KtpbFileOp::Err_PARAM_COUNT);
	EXPECT_EQ(eight[0].get_nbr_param(), 0);

	// Unchecked, the same file replaces the bank with its 8 programs.
	EXPECT_EQ(KtpbFileOp::load_bank(path.c_str(), dst, false), 0);
	EXPECT_EQ(dst.get_nbr_prog(), 8);
}

TEST(KtpbFile, FailedSavesLeaveTheOldFileAsItWas)
{
	const testsupport::TempFolder dir("tarvelle-ktpb");
	const std::string path = dir.path("keep.pbk");
	ASSERT_EQ(KtpbFileOp::save_bank(path.c_str(), engine_bank(8)), 0);
	const Bytes old = read_bytes(path);

	BankManager mixed = engine_bank(3);
	mixed[1].set_nbr_param(5);  // slots of different sizes cannot be written
	EXPECT_EQ(KtpbFileOp::save_bank(path.c_str(), mixed), KtpbFileOp::Err_WRITE_IMAGE);
	EXPECT_EQ(read_bytes(path), old);

	if (geteuid() != 0)  // root may write anywhere
	{
		chmod(dir.get_path().c_str(), 0555);
		EXPECT_EQ(KtpbFileOp::save_bank(path.c_str(), engine_bank(96)), KtpbFileOp::Err_OPEN);
		chmod(dir.get_path().c_str(), 0755);
		EXPECT_EQ(read_bytes(path), old);
	}
	// A target that cannot be replaced (a folder): refused, nothing left behind.
	mkdir(dir.path("folder.pbk").c_str(), 0755);
	EXPECT_EQ(KtpbFileOp::save_bank(dir.path("folder.pbk").c_str(), engine_bank(2)), KtpbFileOp::Err_OPEN);
	rmdir(dir.path("folder.pbk").c_str());
	EXPECT_EQ(dir.list(), std::vector<std::string>{"keep.pbk"});
}
