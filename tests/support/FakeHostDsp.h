// A host side for engine tests: connections and the tempo capability are set by the test.
#pragma once

#include "engine/ParamIndex.h"
#include "engine/TarvelleDsp.h"
#include "params/HostDspInterface.h"
#include "params/ProgramSlot.h"
#include "params/TimeInfo.h"

#include <vector>

namespace testsupport
{

class FakeHostDsp : public rivo::HostDspInterface
{
public:
	void init() override
	{
		++init_count;
	}
	double get_property(const char *key_0) const override
	{
		return std::string(key_0) == "can_tempo" ? can_tempo : 0.0;
	}
	void get_time_info(rivo::TimeInfo &info) const override
	{
		info._tempo = 120;
		info._tempo_flag = false;
	}
	bool is_input_connected(int, int chn) const override
	{
		return chn == 0 || stereo_in;
	}
	bool is_output_connected(int, int chn) const override
	{
		return chn == 0 || stereo_out;
	}

	double can_tempo = 0;
	bool stereo_in = true;
	bool stereo_out = true;
	int init_count = 0;
};

// An engine wired to a fake host, initialised and in its default state.
struct EngineFixture
{
	explicit EngineFixture(float fs = 48000)
	{
		dsp.set_host(host);
		dsp.init();
		dsp.set_sample_freq(fs);
		dsp.set_default_state();
	}
	// Sets parameter index to the real value val through its normalised value.
	void set(int index, double val)
	{
		const auto &p = dsp.get_param_ref(index);
		p->set_from_normalized(p->normalize_val(val));
	}
	// Renders a stereo signal in blocks of block_len samples.
	void render(const std::vector<float> &in_l, const std::vector<float> &in_r, std::vector<float> &out_l,
	            std::vector<float> &out_r, long block_len = 256, bool mix = false)
	{
		const long n = long(in_l.size());
		out_l.resize(size_t(n));
		out_r.resize(size_t(n));
		for (long pos = 0; pos < n; pos += block_len)
		{
			const long len = std::min(block_len, n - pos);
			float *out[2] = {out_l.data() + pos, out_r.data() + pos};
			const float *in[2] = {in_l.data() + pos, in_r.data() + pos};
			mix ? dsp.do_process_mix(out, in, len, false) : dsp.do_process_replacing(out, in, len, false);
		}
	}

	// Renders silence until the glides (0.05 s) and the per-frame gain ramps of
	// parameter changes are over, then clears: the next render starts at rest.
	void settle()
	{
		const std::vector<float> silence(8192, 0.0f);
		std::vector<float> l, r;
		render(silence, silence, l, r);
		dsp.sync_clear_buffers();
	}

	FakeHostDsp host;
	TarvelleDsp dsp;
};

// Parameter indices of voice k (0..3) and the globals.
using Idx = ParamIndex;

}  // namespace testsupport
