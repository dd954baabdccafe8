// The adapter and engine built in the test's own process, without the plug-in
// file: for failures that need a seam, allocation counts and fuzzing.
#pragma once

#include "engine/TarvelleDsp.h"
#include "host/Vst2LinuxPlugin.h"
#include "params/BankManager.h"

#include <memory>
#include <string>

namespace testsupport
{

// A bank of nbr_prog programs of the engine's layout, each a little different
// (its name and one value), as a factory bank would be.
inline rivo::BankManager make_engine_bank(int nbr_prog)
{
	TarvelleDsp dsp;
	dsp.init();
	dsp.set_default_state();
	rivo::ProgramSlot slot;
	dsp.do_get_program(slot);
	rivo::BankManager bank(nbr_prog);
	for (int i = 0; i < nbr_prog; ++i)
	{
		bank[i] = slot;
		bank[i].set_name("Program " + std::to_string(i + 1));
		bank[i].set_parameter(3, float(i) / float(nbr_prog));
	}
	return bank;
}

// Builds the plug-in as its entry point does, around the given engine;
// attach, when given, gives the editor (owned by the plug-in) its host side.
inline std::unique_ptr<rivo::Vst2LinuxPlugin> make_plugin(
   audioMasterCallback host_callback, std::unique_ptr<TarvelleDsp> dsp_ptr, const rivo::BankManager &bank,
   rivo::GuiInterface *gui_ptr = nullptr, void (*attach)(rivo::Vst2LinuxPlugin &, rivo::GuiInterface &) = nullptr,
   rivo::MidiReceiverInterface *midi_ptr = nullptr)
{
	TarvelleDsp &dsp = *dsp_ptr;
	auto plugin_ptr = std::make_unique<rivo::Vst2LinuxPlugin>(host_callback, dsp_ptr.release(), gui_ptr, midi_ptr,
	                                                          bank, ('K' << 24) | ('T' << 16) | ('v' << 8) | 'l');
	dsp.set_host(plugin_ptr->use_host_dsp());
	if (gui_ptr != nullptr && attach != nullptr)
	{
		attach(*plugin_ptr, *gui_ptr);
	}
	plugin_ptr->init();
	plugin_ptr->set_default_state();
	plugin_ptr->setProgram(0);
	return plugin_ptr;
}

}  // namespace testsupport
