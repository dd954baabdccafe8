// What the engine asks of the host, answered through the VST 2 host callback.
#pragma once

#include "params/HostDspInterface.h"

namespace rivo
{

class Vst2LinuxPlugin;

class HostDspVst2Linux : public HostDspInterface
{
public:
	void set_plugin(Vst2LinuxPlugin &plugin) noexcept
	{
		_plugin_ptr = &plugin;
	}

	void init() override {}
	// "can_tempo": the host's time information has a valid tempo.
	// "param_quantization": 1/q for the host's quantization q > 1.
	double get_property(const char *key_0) const override;
	void get_time_info(TimeInfo &info) const override;
	bool is_input_connected(int pin, int chn) const override;
	bool is_output_connected(int pin, int chn) const override;

private:
	Vst2LinuxPlugin *_plugin_ptr = nullptr;
};

}  // namespace rivo
