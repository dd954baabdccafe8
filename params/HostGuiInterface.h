// What the editor may ask of its host: parameter and program changes under
// the priority rules, properties, its window size and the plug-in folder.
#pragma once

#include <string>

namespace rivo
{

class MidiMgr;
class ProgramSlot;

class HostGuiInterface
{
public:
	virtual ~HostGuiInterface() = default;

	virtual void init() = 0;
	virtual double get_property(const char *key_0) const = 0;
	virtual std::string get_string_property(const char *key_0) const = 0;
	virtual bool is_param_free(int index, int prio) = 0;
	virtual bool reserve_param(int index, int prio) = 0;
	virtual void release_param(int index, int prio) = 0;
	virtual void set_param(int index, float nval, int prio) = 0;
	virtual void set_program(const ProgramSlot &slot, int prio) = 0;
	virtual bool resize_window(int width, int height) = 0;
	virtual std::string get_plugin_dir() const = 0;
	// At each idle call of the editor, and when it closes (all: every user
	// gesture still open ends).
	// The MIDI manager; null when the plug-in has no MIDI path.
	virtual MidiMgr *use_midi_interface() const
	{
		return nullptr;
	}
	virtual void idle(bool all)
	{
		(void)all;
	}
};

}  // namespace rivo
