#include "host/HostGuiVst2Linux.h"

#include "host/Vst2LinuxEditor.h"
#include "host/Vst2LinuxPlugin.h"

#include <cmath>
#include <cstring>

namespace rivo
{

double HostGuiVst2Linux::get_property(const char *key_0) const
{
	if (_plugin_ptr != nullptr && key_0 != nullptr && std::strcmp(key_0, "can_resize_window") == 0)
	{
		return _plugin_ptr->canHostDo("sizeWindow") ? 1 : 0;
	}
	return 0;
}

std::string HostGuiVst2Linux::get_string_property(const char *key_0) const
{
	if (key_0 == nullptr)
	{
		return std::string();
	}
	if (std::strcmp(key_0, "interface_standard") == 0)
	{
		return "VST 2.0";
	}
	if (std::strcmp(key_0, "interface_info") == 0)
	{
		return "VST is a trademark of Steinberg Media AG.\nhttps://www.steinberg.net/";
	}
	return std::string();
}

bool HostGuiVst2Linux::is_param_free(int index, int prio)
{
	return _plugin_ptr != nullptr && _plugin_ptr->is_param_free(index, prio);
}

bool HostGuiVst2Linux::reserve_param(int index, int prio)
{
	return _plugin_ptr != nullptr && _plugin_ptr->reserve_param(index, prio);
}

void HostGuiVst2Linux::release_param(int index, int prio)
{
	if (_plugin_ptr != nullptr)
	{
		_plugin_ptr->release_param(index, prio);
	}
}

void HostGuiVst2Linux::set_param(int index, float nval, int prio)
{
	if (_plugin_ptr != nullptr)
	{
		_plugin_ptr->set_param_pi_and_host(index, nval, prio);
	}
}

void HostGuiVst2Linux::set_program(const ProgramSlot &slot, int prio)
{
	if (_plugin_ptr != nullptr)
	{
		// Holds are kept; every parameter taken is reported to the host.
		_plugin_ptr->set_program_pi_and_host(slot, prio, false, true);
	}
}

bool HostGuiVst2Linux::resize_window(int width, int height)
{
	if (_plugin_ptr == nullptr)
	{
		return false;
	}
	if (std::fabs(get_property("can_resize_window")) >= 1e-9 && !_plugin_ptr->sizeWindow(width, height))
	{
		return false;
	}
	if (auto *editor_ptr = dynamic_cast<Vst2LinuxEditor *>(_plugin_ptr->getEditor()))
	{
		editor_ptr->set_window_size(width, height);
	}
	return true;
}

std::string HostGuiVst2Linux::get_plugin_dir() const
{
	return (_plugin_ptr != nullptr) ? _plugin_ptr->get_plugin_dir() : std::string();
}

}  // namespace rivo
