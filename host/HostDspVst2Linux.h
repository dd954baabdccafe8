// What the engine asks of the host, answered through the VST 2 host callback.
#pragma once

#include "host/Vst2Interface.h"
#include "params/HostDspInterface.h"

#include <atomic>

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

	// Asks the host once whether it gives a tempo; later answers come from
	// the time information that every block fetches anyway.
	void init() override;
	// "can_tempo": the host's last time information had a valid tempo. It
	// makes no host call, so suspend and close (which ask it) never call a
	// host that may be tearing its session down.
	// "param_quantization": 1/q for the host's quantization q > 1.
	double get_property(const char *key_0) const override;
	void get_time_info(TimeInfo &info) const override;
	MidiMgr *use_midi_interface() const override;
	bool is_input_connected(int pin, int chn) const override;
	bool is_output_connected(int pin, int chn) const override;

private:
	void note_tempo(const VstTimeInfo *info_ptr) const noexcept;

	Vst2LinuxPlugin *_plugin_ptr = nullptr;
	// Written by the audio thread's time query, read by the dispatcher's.
	mutable std::atomic<bool> _host_gives_tempo{false};
};

}  // namespace rivo
