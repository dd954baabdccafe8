#include "host/HostGuiVst2Linux.h"

#include "host/Vst2LinuxEditor.h"
#include "host/Vst2LinuxPlugin.h"

#include "params/DspInterface.h"
#include "params/GuiInterface.h"
#include "params/ParamPriority.h"
#include "sys/sys_fnc.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace rivo
{

void HostGuiVst2Linux::attach(Vst2LinuxPlugin &plugin, GuiInterface &gui)
{
	auto host_gui_ptr = std::make_unique<HostGuiVst2Linux>();
	host_gui_ptr->set_plugin(plugin);
	gui.set_host(*host_gui_ptr);
	plugin.use_dsp().set_gui(gui);
	gui.set_dsp(plugin.use_dsp());
	plugin.adopt_host_gui(std::move(host_gui_ptr));
}

double HostGuiVst2Linux::get_property(const char *key_0) const
{
	if (_plugin_ptr == nullptr || key_0 == nullptr)
	{
		return 0;
	}
	if (std::strcmp(key_0, "can_resize_window") == 0)
	{
		return _plugin_ptr->canHostDo("sizeWindow") ? 1 : 0;
	}
	// Whether the host gave a tempo the last time the engine asked.
	if (std::strcmp(key_0, "can_tempo") == 0)
	{
		return _plugin_ptr->use_host_dsp().get_property(key_0);
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
	if (_plugin_ptr == nullptr || !_plugin_ptr->reserve_param(index, prio))
	{
		return false;
	}
	// The user's hand on a control: one gesture for the host, however many
	// times the control asks during it.
	if (prio >= ParamPriority::Prio_EDITOR && index >= 0)
	{
		if (size_t(index) >= _gesture.size())
		{
			_gesture.resize(size_t(index) + 1, Gesture_NONE);
			_last_change.resize(size_t(index) + 1, 0);
		}
		if (_gesture[size_t(index)] == Gesture_NONE)
		{
			_plugin_ptr->beginEdit(index);
		}
		_gesture[size_t(index)] = Gesture_HELD;
		_last_change[size_t(index)] = sys::get_time_stamp();
	}
	return true;
}

void HostGuiVst2Linux::release_param(int index, int prio)
{
	if (_plugin_ptr == nullptr)
	{
		return;
	}
	_plugin_ptr->release_param(index, prio);
	if (prio >= ParamPriority::Prio_EDITOR && index >= 0 && size_t(index) < _gesture.size() &&
	    _gesture[size_t(index)] == Gesture_HELD)
	{
		_gesture[size_t(index)] = Gesture_GLIDING;
		_last_change[size_t(index)] = sys::get_time_stamp();
	}
}

MidiMgr *HostGuiVst2Linux::use_midi_interface() const
{
	return (_plugin_ptr != nullptr) ? _plugin_ptr->use_midi_interface() : nullptr;
}

void HostGuiVst2Linux::idle(bool all)
{
	const double now = sys::get_time_stamp();
	for (size_t i = 0; i < _gesture.size(); ++i)
	{
		const bool ends = (_gesture[i] == Gesture_GLIDING && now - _last_change[i] >= GESTURE_REST) ||
		                  (all && _gesture[i] != Gesture_NONE);
		if (!ends)
		{
			continue;
		}
		// A hand still on a control when the editor closes lets go.
		if (_gesture[i] == Gesture_HELD)
		{
			_plugin_ptr->release_param(int(i), ParamPriority::Prio_EDITOR);
		}
		_gesture[i] = Gesture_NONE;
		_plugin_ptr->endEdit(VstInt32(i));
	}
}

void HostGuiVst2Linux::set_param(int index, float nval, int prio)
{
	if (_plugin_ptr != nullptr)
	{
		// A click on a switch is a gesture of its own.
		const bool in_gesture = index >= 0 && size_t(index) < _gesture.size() && _gesture[size_t(index)] != Gesture_NONE;
		if (prio >= ParamPriority::Prio_EDITOR && !in_gesture && reserve_param(index, prio))
		{
			release_param(index, prio);
		}
		_plugin_ptr->set_param_pi_and_host(index, nval, prio);
		if (index >= 0 && size_t(index) < _gesture.size() && _gesture[size_t(index)] != Gesture_NONE)
		{
			_last_change[size_t(index)] = sys::get_time_stamp();
		}
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
