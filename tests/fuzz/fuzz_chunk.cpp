// Fuzz target: chunks handed to the plug-in as a host restores them. Whatever
// setChunk answers, getChunk afterwards gives a chunk that setChunk takes
// back, and a refused chunk leaves getChunk byte-identical.
#include "support/InProcessPlugin.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

VstIntPtr silent_host(AEffect *, VstInt32 opcode, VstInt32, VstIntPtr, void *, float)
{
	return opcode == audioMasterVersion ? 2400 : 0;
}

rivo::Vst2LinuxPlugin &use_plugin()
{
	static const auto plugin_ptr =
	   testsupport::make_plugin(&silent_host, std::make_unique<TarvelleDsp>(), testsupport::make_engine_bank(8));
	return *plugin_ptr;
}

std::vector<unsigned char> get_chunk(rivo::Vst2LinuxPlugin &plugin, bool is_preset)
{
	void *data_ptr = nullptr;
	const VstInt32 size = plugin.getChunk(&data_ptr, is_preset);
	if (size <= 0 || data_ptr == nullptr)
	{
		std::abort();  // the plug-in can no longer give its state back
	}
	const auto *p = static_cast<const unsigned char *>(data_ptr);
	return std::vector<unsigned char>(p, p + size);
}

}  // namespace

// Input: one byte choosing bank or program and whether the rest is a whole
// chunk or edits; edits are (offset high, offset low, xor) triples applied to
// the plug-in's own chunk, so that most inputs have the right size and reach
// the headers and slots rather than the size check.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data_ptr, size_t size)
{
	if (size < 1)
	{
		return 0;
	}
	rivo::Vst2LinuxPlugin &plugin = use_plugin();
	const bool is_preset = (data_ptr[0] & 1) != 0;
	const bool raw = (data_ptr[0] & 2) != 0;
	const std::vector<unsigned char> before = get_chunk(plugin, is_preset);
	std::vector<unsigned char> given;
	if (raw)
	{
		given.assign(data_ptr + 1, data_ptr + size);
	}
	else
	{
		given = before;
		for (size_t i = 1; i + 2 < size; i += 3)
		{
			const size_t pos = ((size_t(data_ptr[i]) << 8) | data_ptr[i + 1]) % given.size();
			given[pos] ^= data_ptr[i + 2];
		}
	}
	given.push_back(0);  // a valid pointer even for an empty chunk
	const VstInt32 taken = plugin.setChunk(given.data(), VstInt32(given.size() - 1), is_preset);
	const std::vector<unsigned char> after = get_chunk(plugin, is_preset);
	if (taken == 0 && after != before)
	{
		std::abort();  // a refused chunk changed the state
	}
	std::vector<unsigned char> again = after;
	if (plugin.setChunk(again.data(), VstInt32(again.size()), is_preset) == 0)
	{
		std::abort();  // the plug-in refuses its own state
	}
	if (get_chunk(plugin, is_preset) != after)
	{
		std::abort();  // its own state does not come back as it was
	}
	return 0;
}
