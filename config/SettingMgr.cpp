// The plug-in's setting files: its section, version and clients.
#include "config/SettingMgr.h"

#include "config/ConfKeyData.h"
#include "config/ConfKeyMulti.h"
#include "params/DspInterface.h"

#include <cstdio>

namespace rivo
{

int SettingMgr::init(DspInterface &dsp, HostGuiInterface &host_gui)
{
	_dsp_ptr = &dsp;
	_host_gui_ptr = &host_gui;
	_section_name = basic::ConfKeyInterface::mangle_name(dsp.get_string_property("plugin_name")) + "_config_section";
	char txt[64];
	std::snprintf(txt, sizeof(txt), "%.2lf", dsp.get_property("plugin_version"));
	_version = txt;
	return 0;
}

void SettingMgr::do_save_settings_pre(basic::ConfKeyMulti &tree, const std::string & /*path*/, int & /*err*/)
{
	tree.set_name(_section_name);
	tree.add_unique(basic::ConfKeyData("version", _version));
}

void SettingMgr::do_load_settings_pre(basic::ConfKeyMulti &tree, const std::string & /*path*/, int &err)
{
	if (tree.get_name() != _section_name)
	{
		err = Err_OTHER_PLUGIN;
	}
}

}  // namespace rivo
