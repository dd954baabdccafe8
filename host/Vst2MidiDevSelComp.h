// The host's MIDI devices: "VST MIDI In interface" and "VST MIDI Out
// interface", members of the component, alive as long as the plug-in.
#pragma once

#include "host/Vst2Component.h"
#include "host/Vst2MidiIn.h"
#include "host/Vst2MidiOut.h"
#include "midi/MidiDevSelCompInterface.h"

namespace rivo
{

class Vst2MidiDevSelComp : public MidiDevSelCompInterface, public Vst2Component
{
public:
	static constexpr const char *DEV_IN_NAME = "VST MIDI In interface";
	static constexpr const char *DEV_OUT_NAME = "VST MIDI Out interface";

	Vst2MidiIn &use_vst_in() noexcept
	{
		return _in;
	}
	Vst2MidiOut &use_vst_out() noexcept
	{
		return _out;
	}
	int init() override;

protected:
	void do_set_plugin(Vst2Plugin &plugin) override;
	int do_scan_dev_in(int first) override;
	int do_scan_dev_out(int first) override;
	int do_select_dev_in(int id, MidiInInterface *&dev_ptr) override;
	int do_select_dev_out(int id, MidiOutInterface *&dev_ptr) override;
	int do_remove_dev_in() override
	{
		return 0;
	}
	int do_remove_dev_out() override
	{
		return 0;
	}

private:
	Vst2MidiIn _in;
	Vst2MidiOut _out;
};

}  // namespace rivo
