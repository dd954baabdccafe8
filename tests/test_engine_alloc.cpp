// Processing never allocates: every global operator new is counted while the
// engine renders, in the worst-case setting and through a deferred clear.
#include "support/FakeHostDsp.h"
#include "support/InProcessPlugin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
std::atomic<bool> counting{false};
std::atomic<long> alloc_count{0};
}  // namespace

void *operator new(std::size_t size)
{
	if (counting.load(std::memory_order_relaxed))
	{
		alloc_count.fetch_add(1, std::memory_order_relaxed);
	}
	if (void *p = std::malloc(size != 0 ? size : 1))
	{
		return p;
	}
	throw std::bad_alloc();
}

// Over-aligned types (the engine's register lanes) come through these.
void *operator new(std::size_t size, std::align_val_t align)
{
	if (counting.load(std::memory_order_relaxed))
	{
		alloc_count.fetch_add(1, std::memory_order_relaxed);
	}
	const std::size_t a = static_cast<std::size_t>(align);
	if (void *p = std::aligned_alloc(a, (size + a - 1) / a * a))
	{
		return p;
	}
	throw std::bad_alloc();
}

void operator delete(void *p, std::align_val_t) noexcept
{
	std::free(p);
}

void operator delete(void *p, std::size_t, std::align_val_t) noexcept
{
	std::free(p);
}

void operator delete(void *p) noexcept
{
	std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
	std::free(p);
}

using namespace testsupport;

TEST(EngineAlloc, ProcessingAllocatesNothing)
{
	EngineFixture fx;
	for (int k = 0; k < 4; ++k)
	{
		fx.set(Idx::voice(k, Idx::GAIN), 1.0);
		fx.set(Idx::voice(k, Idx::DEPTH), 2);
		fx.set(Idx::voice(k, Idx::BPF_Q), 2.0);
	}
	for (int i = 0; i < 123; ++i)
	{
		char name[64];
		fx.dsp.get_param_ref(i)->get_name(name, sizeof(name));
		if (std::string(name).find("LFO depth") != std::string::npos)
		{
			fx.dsp.get_param_ref(i)->set_from_normalized(1.0f);
		}
	}
	std::vector<float> in(4096, 0.25f), l(4096), r(4096);
	float *out[2] = {l.data(), r.data()};
	const float *in_arr[2] = {in.data(), in.data()};
	fx.dsp.do_process_replacing(out, in_arr, 4096, false);

	counting = true;
	int *volatile probe_ptr = new int(1);  // the hook itself counts (volatile: not elided)
	delete probe_ptr;
	ASSERT_EQ(alloc_count.exchange(0), 1);
	for (int blk = 0; blk < 50; ++blk)
	{
		if (blk == 10)
		{
			fx.dsp.clear_buffers();
		}
		if (blk % 7 == 0)
		{
			// Parameter changes from another thread are plain stores picked up by ticks.
			fx.dsp.get_param_ref(Idx::voice(1, Idx::BPF_FREQ))->set_from_normalized(float(blk) / 50);
		}
		(blk % 2 ? fx.dsp.do_process_mix(out, in_arr, 4096, false) : fx.dsp.do_process_replacing(out, in_arr, 1000, false));
	}
	counting = false;
	EXPECT_EQ(alloc_count.load(), 0);
}

// A host may change programs from its audio thread: the change, host
// automation and processing allocate nothing, whatever the names' lengths.
TEST(EngineAlloc, ProgramChangesAndAutomationAllocateNothing)
{
	rivo::BankManager bank = make_engine_bank(16);
	for (int i = 0; i < bank.get_nbr_prog(); ++i)
	{
		// The longest last, so a change to it must grow any name it replaces.
		bank[i].set_name(std::string(size_t(std::min(1 + 4 * i, 63)), char('a' + i)));  // up to 63 characters
	}
	bank[15].set_name(std::string(63, 'z'));
	const auto plugin_ptr = make_plugin(nullptr, std::make_unique<TarvelleDsp>(), bank);
	AEffect *effect = plugin_ptr->getAeffect();
	std::vector<float> in(512, 0.25f), l(512), r(512);
	float *ins[2] = {in.data(), in.data()};
	float *outs[2] = {l.data(), r.data()};
	effect->processReplacing(effect, ins, outs, 512);

	counting = true;
	for (int k = 0; k < 48; ++k)
	{
		effect->dispatcher(effect, effSetProgram, 0, (k * 5) % 16, nullptr, 0);
		effect->setParameter(effect, 3 + k % 100, float(k) / 48);
		effect->processReplacing(effect, ins, outs, 512);
	}
	counting = false;
	EXPECT_EQ(alloc_count.exchange(0), 0);
	EXPECT_EQ(plugin_ptr->getProgram(), (47 * 5) % 16);
}
