// What the editor asks of its host, through the plug-in: parameter and
// program changes under the priority rules, properties, its window size.
#pragma once

#include "params/HostGuiInterface.h"

#include <vector>

namespace rivo
{

class GuiInterface;
class Vst2LinuxPlugin;

class HostGuiVst2Linux : public HostGuiInterface
{
public:
	// Gives the plug-in's editor its host side (kept by the plug-in) and
	// introduces the editor and the engine to each other.
	static void attach(Vst2LinuxPlugin &plugin, GuiInterface &gui);

	void set_plugin(Vst2LinuxPlugin &plugin) noexcept
	{
		_plugin_ptr = &plugin;
	}

	void init() override {}
	// "can_resize_window": 1 when the host can size our window; "can_tempo":
	// 1 when the host gives the tempo.
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
	MidiMgr *use_midi_interface() const override;
	// Ends the gestures whose control has come to rest.
	void idle(bool all) override;

	// After the user lets go, a control may glide on for a moment: the
	// gesture ends once it has been still this long.
	static constexpr double GESTURE_REST = 0.1;  // s

private:
	Vst2LinuxPlugin *_plugin_ptr = nullptr;
	enum Gesture : char
	{
		Gesture_NONE = 0,
		Gesture_HELD,
		Gesture_GLIDING
	};
	// Each parameter's gesture and its last change (the editor's thread only).
	std::vector<Gesture> _gesture;
	std::vector<double> _last_change;
};

}  // namespace rivo
