// Fuzz target: the key-tree reader. Any text gives a code of the reader's
// set (and never -1016..-1018, which no text can reach); a tree read without
// error is written, read again and written again to the same text.
#include "config/ConfKeyFactory.h"
#include "config/ConfKeyInterface.h"
#include "sys/Exception.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data_ptr, size_t size)
{
	basic::ConfKeyFactory &factory = basic::ConfKeyFactory::get_instance();
	const std::string text(reinterpret_cast<const char *>(data_ptr), size);
	std::unique_ptr<basic::ConfKeyInterface> root = factory.create_key(text);
	const long err = factory.get_last_error();
	if (err != 0 && err != -1015 && err != -1019 && err != -1020 && err != -1024)
	{
		std::abort();
	}
	if (!root || err != 0)
	{
		return 0;
	}
	std::string first;
	try
	{
		root->write_to_string(first);
	}
	catch (const basic::Exception &)
	{
		return 0;  // a quoted empty name: refused by the writer
	}
	std::unique_ptr<basic::ConfKeyInterface> again = factory.create_key(first);
	if (!again || factory.get_last_error() != 0)
	{
		std::abort();
	}
	std::string second;
	again->write_to_string(second);
	if (second != first)
	{
		std::abort();
	}
	return 0;
}
