// The resource block: layout, lookup, refused blocks, and a shared object that
// still loads with its block appended and finds its own resources.
#include "sys/ResourceBlock.h"
#include "sys/res_fnc.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <fstream>
#include <string>

using sys::ResourceBlock;
using Bytes = std::vector<unsigned char>;

namespace
{

Bytes bytes(const std::string &s)
{
	return Bytes(s.begin(), s.end());
}

Bytes sample_file()
{
	Bytes file = bytes("ELF-like prefix that the block must not disturb");
	const Bytes block = ResourceBlock::build({{ResourceBlock::make_type_code("KTPB"), "static_presets", bytes("bank")},
	                                          {ResourceBlock::make_type_code("APIC"), "knob", bytes("pixels!")},
	                                          {ResourceBlock::make_type_code("PIC"), "short", Bytes{}}});
	file.insert(file.end(), block.begin(), block.end());
	return file;
}

std::string read_file(const std::string &path)
{
	std::ifstream in(path, std::ios::binary);
	return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ResourceBlock, LayoutWrittenOutByHand)
{
	// Type codes pack their characters most significant first, blank-padded in front.
	EXPECT_EQ(ResourceBlock::make_type_code("PIC"), 0x20504943u);
	EXPECT_EQ(ResourceBlock::make_type_code("TOOLONG"), ResourceBlock::make_type_code("TOOL"));
	const Bytes block = ResourceBlock::build({{ResourceBlock::make_type_code("ABCD"), "nm", bytes("xyz")}});
	// 3 data bytes, a 24 + 2 byte entry, a 32 byte trailer.
	const Bytes expected = {'x', 'y', 'z',
	                        0x44, 0x43, 0x42, 0x41, 2, 0, 0, 0,  // type, name length
	                        0, 0, 0, 0, 0, 0, 0, 0,              // offset
	                        3, 0, 0, 0, 0, 0, 0, 0,              // size
	                        'n', 'm',
	                        'T', 'V', 'R', 'E', 'S', 'B', 'K', '1',
	                        61, 0, 0, 0, 0, 0, 0, 0,  // block size
	                        3, 0, 0, 0, 0, 0, 0, 0,   // table offset
	                        1, 0, 0, 0, 0, 0, 0, 0};  // count, reserved
	EXPECT_EQ(block, expected);
}

TEST(ResourceBlock, FindsEachResourceWithItsSize)
{
	const Bytes file = sample_file();
	ResourceBlock rb;
	ASSERT_EQ(rb.read_from_memory(file.data(), file.size()), 0);
	size_t size = 0;
	const unsigned char *p = rb.find(ResourceBlock::make_type_code("APIC"), "knob", size);
	ASSERT_NE(p, nullptr);
	EXPECT_EQ(std::string(reinterpret_cast<const char *>(p), size), "pixels!");
	EXPECT_NE(rb.find(ResourceBlock::make_type_code("PIC"), "short", size), nullptr);
	EXPECT_EQ(size, 0u);
	EXPECT_EQ(rb.find(ResourceBlock::make_type_code("APIC"), "static_presets", size), nullptr);  // wrong type
	EXPECT_EQ(rb.find(ResourceBlock::make_type_code("KTPB"), "static_preset", size), nullptr);
	EXPECT_EQ(ResourceBlock::find_block_size(file.data(), file.size()), file.size() - 47);
}

TEST(ResourceBlock, DamagedBlocksAreRefusedWhole)
{
	const Bytes good = sample_file();
	ResourceBlock rb;
	EXPECT_EQ(rb.read_from_memory(good.data(), 10), ResourceBlock::Err_NO_BLOCK);
	const Bytes plain = bytes("no block at all, only text that is long enough to hold a trailer");
	EXPECT_EQ(rb.read_from_memory(plain.data(), plain.size()), ResourceBlock::Err_NO_BLOCK);

	const size_t trailer = good.size() - ResourceBlock::TRAILER_SIZE;
	Bytes bad = good;
	bad[trailer + 8] = 0xFF;  // block larger than the file
	EXPECT_EQ(rb.read_from_memory(bad.data(), bad.size()), ResourceBlock::Err_CORRUPT);
	bad = good;
	bad[trailer + 24] = 200;  // more entries than the table holds
	EXPECT_EQ(rb.read_from_memory(bad.data(), bad.size()), ResourceBlock::Err_CORRUPT);
	bad = good;
	bad[trailer + 16] = 0xF0;  // table past the trailer
	EXPECT_EQ(rb.read_from_memory(bad.data(), bad.size()), ResourceBlock::Err_CORRUPT);
	EXPECT_TRUE(rb.use_entries().empty());
}

TEST(ResFnc, FileStateAndLookup)
{
	sys::clear_res_file();
	EXPECT_EQ(sys::get_resource("APIC", "knob"), nullptr);
	EXPECT_EQ(sys::set_res_file("/nonexistent/file"), -1);

	const Bytes file = sample_file();
	const std::string path = testing::TempDir() + "res_fnc_sample.bin";
	std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char *>(file.data()), long(file.size()));
	ASSERT_EQ(sys::set_res_file(path.c_str()), 0);
	EXPECT_EQ(sys::get_res_path(), path);
	size_t size = 0;
	const void *p = sys::get_resource("KTPB", "static_presets", size);
	ASSERT_NE(p, nullptr);
	EXPECT_EQ(std::string(static_cast<const char *>(p), size), "bank");
	// A second file does not replace the first.
	EXPECT_EQ(sys::set_res_file("/nonexistent/other"), 0);
	EXPECT_EQ(sys::get_res_path(), path);
	sys::clear_res_file();
	EXPECT_EQ(sys::get_resource("KTPB", "static_presets"), nullptr);
}

TEST(ResFnc, SharedObjectWithBlockLoadsAndFindsItsOwnResources)
{
	void *lib_ptr = dlopen(RES_PROBE_PATH, RTLD_NOW | RTLD_LOCAL);
	ASSERT_NE(lib_ptr, nullptr) << dlerror();
	using Probe = long (*)(char *, long);
	auto probe = reinterpret_cast<Probe>(dlsym(lib_ptr, "res_probe"));
	ASSERT_NE(probe, nullptr);
	char buf[128];
	const long size = probe(buf, sizeof(buf));
	const std::string expected = read_file(RES_PROBE_DATA);
	EXPECT_EQ(size, long(expected.size()));
	EXPECT_EQ(std::string(buf), expected);
	dlclose(lib_ptr);
}
