// Setting files of this plug-in: the tree is named after the plug-in and
// carries its version, so a file of another plug-in is refused.
#pragma once

#include "config/SettingMgrInterface.h"

#include <string>

namespace rivo
{

class DspInterface;
class HostGuiInterface;

class SettingMgr : public basic::SettingMgrInterface
{
public:
	static constexpr const char *FILE_EXT = "cfg.txt";
	enum
	{
		Err_OTHER_PLUGIN = -3071  // the file's section names another plug-in
	};

	int init(DspInterface &dsp, HostGuiInterface &host_gui);
	const std::string &get_section_name() const noexcept
	{
		return _section_name;
	}
	const std::string &get_version() const noexcept
	{
		return _version;
	}

protected:
	void do_save_settings_pre(basic::ConfKeyMulti &tree, const std::string &path, int &err) override;
	void do_load_settings_pre(basic::ConfKeyMulti &tree, const std::string &path, int &err) override;

private:
	DspInterface *_dsp_ptr = nullptr;
	HostGuiInterface *_host_gui_ptr = nullptr;
	std::string _section_name;
	std::string _version;
};

}  // namespace rivo
