// The host adapter on Linux: the plug-in directory from the host or from the
// plug-in file, and the engine's host side.
#pragma once

#include "host/HostDspVst2Linux.h"
#include "host/Vst2Plugin.h"
#include "params/HostGuiInterface.h"

#include <memory>

namespace rivo
{

class AlsaMidiDevSelComp;

class Vst2LinuxPlugin : public Vst2Plugin
{
public:
	Vst2LinuxPlugin(audioMasterCallback host_callback, DspInterface *dsp_ptr, GuiInterface *gui_ptr,
	                MidiReceiverInterface *midi_ptr, const BankManager &bank, long unique_id);
	// The engine is restored while the host side it refers to still exists.
	~Vst2LinuxPlugin() override;

	HostDspVst2Linux &use_host_dsp() noexcept
	{
		return _host_dsp;
	}
	// The editor's host side, kept as long as the plug-in (the editor refers to it).
	void adopt_host_gui(std::unique_ptr<HostGuiInterface> host_gui_ptr)
	{
		_host_gui = std::move(host_gui_ptr);
	}
	// The host's request for a scale factor of the editor (index 'PreS',
	// value 'AeCs', opt the factor), as several hosts send it.
	VstIntPtr vendorSpecific(VstInt32 index, VstIntPtr value, void *ptr, float opt) override;

protected:
	// To the editor binding, which shows it at the next idle call.
	void request_tempo_gui_refresh_from_process(double tempo) override;
	std::string do_get_plugin_dir() const override;

private:
	HostDspVst2Linux _host_dsp;
	// With a MIDI path: the system's MIDI devices, after the host's.
	std::unique_ptr<AlsaMidiDevSelComp> _alsa_midi_comp;
	std::unique_ptr<HostGuiInterface> _host_gui;
};

}  // namespace rivo
