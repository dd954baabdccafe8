// The host adapter on Linux.
#include "host/Vst2LinuxPlugin.h"

#include "host/EditorBindingInterface.h"
#include "midi/MidiDevSelDispatcher.h"
#include "midi/alsa/AlsaMidiDevSelComp.h"

#include "platform/Storage.h"
#include "sys/res_fnc.h"

namespace rivo
{

Vst2LinuxPlugin::Vst2LinuxPlugin(audioMasterCallback host_callback, DspInterface *dsp_ptr, GuiInterface *gui_ptr,
                                 MidiReceiverInterface *midi_ptr, const BankManager &bank, long unique_id)
: Vst2Plugin(host_callback, dsp_ptr, gui_ptr, midi_ptr, bank, unique_id)
{
	_host_dsp.set_plugin(*this);
	if (use_midi_dev_sel() != nullptr)
	{
		_alsa_midi_comp = std::make_unique<AlsaMidiDevSelComp>();
		use_midi_dev_sel()->register_dev_list(*_alsa_midi_comp);
	}
}

Vst2LinuxPlugin::~Vst2LinuxPlugin()
{
	restore();
	if (_alsa_midi_comp != nullptr)
	{
		use_midi_dev_sel()->select_default_dev(false);
		use_midi_dev_sel()->unregister_dev_list(*_alsa_midi_comp);
		_alsa_midi_comp.reset();
	}
}

void Vst2LinuxPlugin::request_tempo_gui_refresh_from_process(double tempo)
{
	if (auto *editor_ptr = dynamic_cast<EditorBindingInterface *>(getEditor()))
	{
		editor_ptr->request_tempo_refresh(tempo);
	}
}

VstIntPtr Vst2LinuxPlugin::vendorSpecific(VstInt32 index, VstIntPtr value, void *, float opt)
{
	constexpr VstInt32 PRES = ('P' << 24) | ('r' << 16) | ('e' << 8) | 'S';
	constexpr VstIntPtr AECS = ('A' << 24) | ('e' << 16) | ('C' << 8) | 's';
	auto *editor_ptr = dynamic_cast<EditorBindingInterface *>(getEditor());
	if (index == PRES && value == AECS && editor_ptr != nullptr && opt > 0)
	{
		editor_ptr->request_scale(opt);
		return 1;
	}
	return 0;
}

std::string Vst2LinuxPlugin::do_get_plugin_dir() const
{
	const char *dir_0 = getDirectory();
	if (dir_0 != nullptr && dir_0[0] != '\0')
	{
		return dir_0;
	}
	const std::string res_path = sys::get_res_path();
	platform::BPath path(res_path.c_str());
	platform::BPath parent;
	return (path.GetParent(&parent) == platform::B_OK) ? std::string(parent.Path()) : std::string();
}

}  // namespace rivo
