// The host adapter on Linux: the plug-in directory from the host or from the
// plug-in file, and the engine's host side.
#pragma once

#include "host/HostDspVst2Linux.h"
#include "host/Vst2Plugin.h"

#include <atomic>

namespace rivo
{

class Vst2LinuxPlugin : public Vst2Plugin
{
public:
	Vst2LinuxPlugin(audioMasterCallback host_callback, DspInterface *dsp_ptr, GuiInterface *gui_ptr,
	                const BankManager &bank, long unique_id);
	// The engine is restored while the host side it refers to still exists.
	~Vst2LinuxPlugin() override;

	HostDspVst2Linux &use_host_dsp() noexcept
	{
		return _host_dsp;
	}
	// The tempo handed over from the audio thread, 0 when none is pending.
	float take_gui_tempo() noexcept
	{
		return _gui_tempo.exchange(0, std::memory_order_acq_rel);
	}

protected:
	void request_tempo_gui_refresh_from_process(double tempo) override;
	std::string do_get_plugin_dir() const override;

private:
	HostDspVst2Linux _host_dsp;
	std::atomic<float> _gui_tempo{0};
};

}  // namespace rivo
