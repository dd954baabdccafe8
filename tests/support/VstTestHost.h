// A host that loads the built tarvelle.so and drives it through the VST 2
// record and dispatcher only, as a real host does.
#pragma once

#include "host/Vst2Interface.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace testsupport
{

// What the host answers and what it was told.
struct HostState
{
	VstIntPtr version = 2400;
	VstTimeInfo time{};
	bool give_time = true;
	VstInt32 automatable = 0;
	bool stereo_out = true;
	std::vector<std::pair<VstInt32, float>> automation;
	// Gestures: (audioMasterBeginEdit or audioMasterEndEdit, index).
	std::vector<std::pair<VstInt32, VstInt32>> edits;
};

inline HostState host;
inline std::atomic<int> get_time_calls{0};  // asked from the audio and the dispatcher thread
// Every callback while watched: a plug-in going away must not call its host.
inline std::atomic<bool> watch_calls{false};
inline std::atomic<int> watched_calls{0};

inline VstIntPtr host_callback(AEffect *, VstInt32 opcode, VstInt32 index, VstIntPtr value, void *, float opt)
{
	if (watch_calls)
	{
		++watched_calls;
	}
	switch (opcode)
	{
	case audioMasterVersion: return host.version;
	case audioMasterAutomate: host.automation.emplace_back(index, opt); return 0;
	case audioMasterBeginEdit:
	case audioMasterEndEdit: host.edits.emplace_back(opcode, index); return 1;
	case audioMasterGetTime:
		++get_time_calls;
		return host.give_time ? reinterpret_cast<VstIntPtr>(&host.time) : 0;
	case audioMasterGetNumAutomatableParameters: return host.automatable;
	case audioMasterPinConnected: return (value == 1 && index == 1 && !host.stereo_out) ? 1 : 0;  // 0 = connected
	default: return 0;
	}
}

using EntryProc = AEffect *(*)(audioMasterCallback);

class VstHost : public testing::Test
{
protected:
	static void SetUpTestSuite()
	{
		lib_ptr = dlopen(TARVELLE_SO, RTLD_NOW | RTLD_LOCAL);
		ASSERT_NE(lib_ptr, nullptr) << dlerror();
		entry = reinterpret_cast<EntryProc>(dlsym(lib_ptr, "VSTPluginMain"));
		ASSERT_NE(entry, nullptr);
	}
	void SetUp() override
	{
		host = HostState();
		host.time.tempo = 120;
		host.time.sampleRate = 48000;
		host.time.flags = kVstTempoValid;
		effect = entry(&host_callback);
		ASSERT_NE(effect, nullptr);
		dispatch(effOpen);
		dispatch(effSetSampleRate, 0, 0, nullptr, 48000);
		dispatch(effSetBlockSize, 0, 512);
		dispatch(effMainsChanged, 0, 1);
	}
	void TearDown() override
	{
		if (effect != nullptr)
		{
			EXPECT_EQ(dispatch(effClose), 1);
		}
	}
	VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void *ptr = nullptr, float opt = 0)
	{
		return effect->dispatcher(effect, opcode, index, value, ptr, opt);
	}
	// Text opcodes write into a buffer followed by canary bytes.
	std::string text(VstInt32 opcode, VstInt32 index, size_t bound, VstIntPtr value = 0)
	{
		std::vector<char> buf(bound + 32, '\x5A');
		buf[0] = '\0';
		dispatch(opcode, index, value, buf.data());
		for (size_t i = bound; i < buf.size(); ++i)
		{
			EXPECT_EQ(buf[i], '\x5A') << "opcode " << opcode << " index " << index << " wrote past " << bound;
		}
		return std::string(buf.data());
	}
	std::vector<float> render(const std::vector<float> &in, long block, bool mono_out = false)
	{
		std::vector<float> l(in.size()), r(in.size());
		for (size_t pos = 0; pos < in.size(); pos += size_t(block))
		{
			const VstInt32 n = VstInt32(std::min(in.size() - pos, size_t(block)));
			float *ins[2] = {const_cast<float *>(in.data() + pos), const_cast<float *>(in.data() + pos)};
			float *outs[2] = {l.data() + pos, r.data() + pos};
			effect->processReplacing(effect, ins, outs, n);
		}
		if (!mono_out)
		{
			l.insert(l.end(), r.begin(), r.end());
		}
		return l;
	}
	std::vector<unsigned char> chunk(bool program)
	{
		void *data = nullptr;
		const VstIntPtr size = dispatch(effGetChunk, program ? 1 : 0, 0, &data);
		EXPECT_GT(size, 0);
		const auto *p = static_cast<const unsigned char *>(data);
		return std::vector<unsigned char>(p, p + size);
	}

	inline static void *lib_ptr = nullptr;
	inline static EntryProc entry = nullptr;
	AEffect *effect = nullptr;
};

inline std::vector<float> noise(size_t n, unsigned seed)
{
	std::mt19937 rng(seed);
	std::uniform_real_distribution<float> d(-0.5f, 0.5f);
	std::vector<float> v(n);
	for (float &x : v)
	{
		x = d(rng);
	}
	return v;
}

}  // namespace testsupport
