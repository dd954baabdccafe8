#include "editor/SetupMLAbout.h"

#include "editor/SetupMgr.h"
#include "params/DspInterface.h"
#include "params/HostGuiInterface.h"
#include "sys/SimpleMessageBox.h"

#include <cstdio>

namespace rivo
{

std::string SetupMLAbout::make_text() const
{
	const SetupMgr &mgr = *use_setup_mgr();
	const DspInterface *dsp_ptr = mgr.use_dsp();
	std::string text = (dsp_ptr != nullptr) ? dsp_ptr->get_string_property("plugin_name") : std::string();
	char version[64];
	std::snprintf(version, sizeof(version), "\nVersion  %.2lf\n\n",
	              (dsp_ptr != nullptr) ? dsp_ptr->get_property("plugin_version") : 0.0);
	text += version;
	text += _custom + "\n\n";
	if (const HostGuiInterface *host_ptr = mgr.use_host_gui())
	{
		text += host_ptr->get_string_property("interface_info");
	}
	return text;
}

int32_t SetupMLAbout::do_act()
{
	if (sys::DialogHostInterface *dialogs_ptr = use_setup_mgr()->use_dialog_host())
	{
		sys::SimpleMessageBox::ask(*dialogs_ptr, "About...", make_text(), sys::SimpleMessageBox::Type_OK, 0, nullptr);
	}
	return 0;
}

}  // namespace rivo
