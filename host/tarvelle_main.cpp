// The plug-in's entry point: builds and wires the engine and the host adapter.
#include "editor/TarvelleGui.h"
#include "engine/TarvelleDsp.h"
#include "host/HostGuiVst2Linux.h"
#include "host/Vst2LinuxEditor.h"
#include "host/Vst2LinuxPlugin.h"
#include "sys/res_fnc.h"

#include <memory>

namespace
{
constexpr long UNIQUE_ID = ('K' << 24) | ('T' << 16) | ('v' << 8) | 'l';

// The shipped plug-in has no MIDI path; built with TARVELLE_MIDI it has one,
// fed into the engine's MIDI client.
rivo::MidiReceiverInterface *midi_receiver(TarvelleDsp &dsp)
{
#if defined(TARVELLE_MIDI)
	return &dsp.use_midi_client();
#else
	(void)dsp;
	return nullptr;
#endif
}
}

extern "C" __attribute__((visibility("default"))) AEffect *main_plugin(audioMasterCallback host_callback);
extern "C" __attribute__((visibility("default"))) AEffect *VSTPluginMain(audioMasterCallback host_callback);

extern "C" AEffect *main_plugin(audioMasterCallback host_callback)
{
	if (host_callback == nullptr || host_callback(nullptr, audioMasterVersion, 0, 0, nullptr, 0) == 0)
	{
		return nullptr;
	}
	// Our own file, found from one of our own symbols, carries the resources.
	const std::string own_path = sys::get_image_path(reinterpret_cast<const void *>(&main_plugin));
	if (own_path.empty() || sys::set_res_file(own_path.c_str()) != 0)
	{
		return nullptr;
	}
	std::unique_ptr<rivo::Vst2LinuxPlugin> plugin_ptr;
	try
	{
		rivo::BankManager bank(0);
		if (rivo::Vst2Plugin::load_bank_from_rsc("static_presets", bank) != 0)
		{
			return nullptr;
		}
		auto dsp_ptr = std::make_unique<TarvelleDsp>();
		TarvelleDsp &dsp = *dsp_ptr;
		auto gui_ptr = std::make_unique<rivo::TarvelleGui>();
		rivo::TarvelleGui &gui = *gui_ptr;
		plugin_ptr = std::make_unique<rivo::Vst2LinuxPlugin>(host_callback, dsp_ptr.release(), gui_ptr.release(),
		                                                     midi_receiver(dsp), bank, UNIQUE_ID);
		dsp.set_host(plugin_ptr->use_host_dsp());
		rivo::HostGuiVst2Linux::attach(*plugin_ptr, gui);
		plugin_ptr->setEditor(new rivo::Vst2LinuxEditor(plugin_ptr.get(), &gui));
		plugin_ptr->set_rel_plugin_dir("Kestrom\\Tarvelle VST2");
		plugin_ptr->init();
		plugin_ptr->set_default_state();
		plugin_ptr->setProgram(0);
	}
	catch (...)
	{
		return nullptr;
	}
	return plugin_ptr.release()->getAeffect();
}

// The name Linux hosts look for.
extern "C" AEffect *VSTPluginMain(audioMasterCallback host_callback)
{
	return main_plugin(host_callback);
}
