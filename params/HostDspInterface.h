// What the engine may ask of its host.
#pragma once

namespace rivo
{

class MidiMgr;
class TimeInfo;

class HostDspInterface
{
public:
	virtual ~HostDspInterface() = default;

	virtual void init() = 0;
	// Numeric property by key ("can_tempo"), 0 for an unknown key.
	virtual double get_property(const char *key_0) const = 0;
	virtual void get_time_info(TimeInfo &info) const = 0;
	// Whether channel chn of pin pin is connected.
	virtual bool is_input_connected(int pin, int chn) const = 0;
	virtual bool is_output_connected(int pin, int chn) const = 0;
	// The MIDI manager; null when the plug-in has no MIDI path.
	virtual MidiMgr *use_midi_interface() const
	{
		return nullptr;
	}
};

}  // namespace rivo
