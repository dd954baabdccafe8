// What the editor asks of its host, through the plug-in: parameter and
// program changes under the priority rules, properties, its window size.
#pragma once

#include "params/HostGuiInterface.h"

namespace rivo
{

class Vst2LinuxPlugin;

class HostGuiVst2Linux : public HostGuiInterface
{
public:
	void set_plugin(Vst2LinuxPlugin &plugin) noexcept
	{
		_plugin_ptr = &plugin;
	}

	void init() override {}
	// "can_resize_window": 1 when the host can size our window.
	double get_property(const char *key_0) const override;
	// "interface_standard", "interface_info".
	std::string get_string_property(const char *key_0) const override;
	bool is_param_free(int index, int prio) override;
	bool reserve_param(int index, int prio) override;
	void release_param(int index, int prio) override;
	void set_param(int index, float nval, int prio) override;
	void set_program(const ProgramSlot &slot, int prio) override;
	bool resize_window(int width, int height) override;
	std::string get_plugin_dir() const override;

private:
	Vst2LinuxPlugin *_plugin_ptr = nullptr;
};

}  // namespace rivo
