// Appends a resource block to a file: tarvelle-pack-res FILE TYPE:NAME:PATH ...
// A block already at the end of FILE is replaced, so the step can run twice.
#include "platform/Storage.h"
#include "sys/AtomicFile.h"
#include "sys/ResourceBlock.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace
{

bool read_all(const char *path_0, std::vector<unsigned char> &data)
{
	platform::BFile file(path_0, platform::B_READ_ONLY);
	off_t size = 0;
	if (file.InitCheck() != platform::B_OK || file.GetSize(&size) != platform::B_OK)
	{
		return false;
	}
	data.resize(size_t(size));
	return size == 0 || file.Read(data.data(), data.size()) == ssize_t(size);
}

int fail(const std::string &msg)
{
	std::fprintf(stderr, "tarvelle-pack-res: %s\n", msg.c_str());
	return 1;
}

}  // namespace

int main(int argc, char **argv)
{
	if (argc < 2)
	{
		return fail("usage: tarvelle-pack-res FILE TYPE:NAME:PATH ... (or @LIST: a file of such lines)");
	}
	std::vector<unsigned char> file;
	if (!read_all(argv[1], file))
	{
		return fail(std::string("cannot read ") + argv[1]);
	}
	file.resize(file.size() - sys::ResourceBlock::find_block_size(file.data(), file.size()));

	// Specs from the command line, and from the lines of @LIST files.
	std::vector<std::string> specs;
	for (int i = 2; i < argc; ++i)
	{
		if (argv[i][0] != '@')
		{
			specs.emplace_back(argv[i]);
			continue;
		}
		std::ifstream list(argv[i] + 1);
		if (!list)
		{
			return fail(std::string("cannot read ") + (argv[i] + 1));
		}
		for (std::string line; std::getline(list, line);)
		{
			if (!line.empty())
			{
				specs.push_back(line);
			}
		}
	}
	std::vector<sys::ResourceBlock::Resource> res_list;
	for (const std::string &spec : specs)
	{
		const size_t c1 = spec.find(':');
		const size_t c2 = (c1 == std::string::npos) ? c1 : spec.find(':', c1 + 1);
		if (c2 == std::string::npos || c1 == 0 || c1 > 4 || c2 == c1 + 1 ||
		    c2 - c1 - 1 > sys::ResourceBlock::MAX_NAME_LEN)
		{
			return fail("bad resource '" + spec + "' (TYPE of 1 to 4 characters:NAME:PATH)");
		}
		sys::ResourceBlock::Resource res;
		res.type = sys::ResourceBlock::make_type_code(spec.substr(0, c1).c_str());
		res.name = spec.substr(c1 + 1, c2 - c1 - 1);
		if (!read_all(spec.c_str() + c2 + 1, res.data))
		{
			return fail("cannot read " + spec.substr(c2 + 1));
		}
		res_list.push_back(std::move(res));
	}
	const std::vector<unsigned char> block = sys::ResourceBlock::build(res_list);
	file.insert(file.end(), block.begin(), block.end());

	sys::AtomicFile out;
	if (!out.open(argv[1], 0755) || !out.write(file.data(), file.size()) || !out.commit())
	{
		return fail(std::string("cannot write ") + argv[1]);
	}
	return 0;
}
