// The host adapter on Linux.
#include "host/Vst2LinuxPlugin.h"

#include "platform/Storage.h"
#include "sys/res_fnc.h"

namespace rivo
{

Vst2LinuxPlugin::Vst2LinuxPlugin(audioMasterCallback host_callback, DspInterface *dsp_ptr, GuiInterface *gui_ptr,
                                 const BankManager &bank, long unique_id)
: Vst2Plugin(host_callback, dsp_ptr, gui_ptr, bank, unique_id)
{
	_host_dsp.set_plugin(*this);
}

Vst2LinuxPlugin::~Vst2LinuxPlugin()
{
	restore();
}

void Vst2LinuxPlugin::request_tempo_gui_refresh_from_process(double tempo)
{
	_gui_tempo.store(float(tempo), std::memory_order_release);
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
