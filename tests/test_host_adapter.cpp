// The adapter around an engine that fails on demand: no exception reaches the
// host, each entry gives its documented answer and the state stays as it was.
#include "support/InProcessPlugin.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using namespace testsupport;

namespace
{

class FailingDsp : public TarvelleDsp
{
public:
	bool do_process_replacing(float **out, const float **in, long nbr_spl, bool flag) override
	{
		fail_now();
		return TarvelleDsp::do_process_replacing(out, in, nbr_spl, flag);
	}
	bool do_process_mix(float **out, const float **in, long nbr_spl, bool flag) override
	{
		fail_now();
		return TarvelleDsp::do_process_mix(out, in, nbr_spl, flag);
	}
	const ParamPtr &get_param_ref(int index) const override
	{
		fail_now();
		return TarvelleDsp::get_param_ref(index);
	}
	void do_set_program(const rivo::ProgramSlot &slot) override
	{
		fail_now();
		TarvelleDsp::do_set_program(slot);
	}
	void fail_now() const
	{
		if (failing)
		{
			throw std::runtime_error("engine failure");
		}
	}

	bool failing = false;
};

}  // namespace

TEST(HostAdapter, NoExceptionReachesTheHost)
{
	auto dsp_ptr = std::make_unique<FailingDsp>();
	FailingDsp &dsp = *dsp_ptr;
	const auto plugin_ptr = make_plugin(nullptr, std::move(dsp_ptr), make_engine_bank(4));
	AEffect *effect = plugin_ptr->getAeffect();
	effect->setParameter(effect, 3, 0.25f);
	void *data = nullptr;
	const VstIntPtr size = effect->dispatcher(effect, effGetChunk, 1, 0, &data, 0);
	ASSERT_GT(size, 0);
	const std::vector<unsigned char> before(static_cast<unsigned char *>(data),
	                                        static_cast<unsigned char *>(data) + size);

	dsp.failing = true;
	std::vector<float> in(256, 0.5f), l(256, 7.0f), r(256, 7.0f);
	float *ins[2] = {in.data(), in.data()};
	float *outs[2] = {l.data(), r.data()};
	effect->processReplacing(effect, ins, outs, 256);
	EXPECT_EQ(l, std::vector<float>(256, 0.0f));  // silence for that block
	EXPECT_EQ(r, std::vector<float>(256, 0.0f));
	l.assign(256, 7.0f);
	effect->process(effect, ins, outs, 256);
	EXPECT_EQ(l, std::vector<float>(256, 7.0f));  // nothing added
	effect->setParameter(effect, 3, 0.75f);
	EXPECT_EQ(effect->getParameter(effect, 3), 0.0f);
	char text[64] = "untouched";
	effect->dispatcher(effect, effGetParamDisplay, 3, 0, text, 0);
	EXPECT_STREQ(text, "untouched");
	effect->dispatcher(effect, effSetProgram, 0, 2, nullptr, 0);
	EXPECT_EQ(effect->dispatcher(effect, effGetProgram, 0, 0, nullptr, 0), 0);
	EXPECT_EQ(effect->dispatcher(effect, effGetChunk, 1, 0, &data, 0), 0);

	dsp.failing = false;
	EXPECT_EQ(effect->getParameter(effect, 3), 0.25f);
	ASSERT_EQ(effect->dispatcher(effect, effGetChunk, 1, 0, &data, 0), size);
	EXPECT_EQ(std::vector<unsigned char>(static_cast<unsigned char *>(data), static_cast<unsigned char *>(data) + size),
	          before);
	effect->processReplacing(effect, ins, outs, 256);
	EXPECT_NE(l, std::vector<float>(256, 0.0f));
}

// Every program call needs a current program: a bank without one is refused
// when the plug-in is built, not met later by a host's call.
TEST(HostAdapter, ABankWithoutProgramsIsRefused)
{
	EXPECT_THROW(make_plugin(nullptr, std::make_unique<TarvelleDsp>(), rivo::BankManager(0)), std::invalid_argument);
}
