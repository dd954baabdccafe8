// The system's MIDI devices: "built-in MIDI In interface" and "built-in
// MIDI Out interface", ALSA sequencer ports, offered only where the library
// and a sequencer exist. Each device is made when selected and goes when
// another is.
#pragma once

#include "midi/MidiDevSelCompInterface.h"

#include <memory>

namespace rivo
{

class AlsaMidiIn;
class AlsaMidiOut;

class AlsaMidiDevSelComp : public MidiDevSelCompInterface
{
public:
	static constexpr const char *DEV_IN_NAME = "built-in MIDI In interface";
	static constexpr const char *DEV_OUT_NAME = "built-in MIDI Out interface";
	// Messages the input may hold for the audio thread.
	static constexpr int IN_CAPACITY = 4000;

	AlsaMidiDevSelComp();
	~AlsaMidiDevSelComp() override;
	int init() override
	{
		return 0;
	}

protected:
	int do_scan_dev_in(int first) override;
	int do_scan_dev_out(int first) override;
	int do_select_dev_in(int id, MidiInInterface *&dev_ptr) override;
	int do_select_dev_out(int id, MidiOutInterface *&dev_ptr) override;
	int do_remove_dev_in() override;
	int do_remove_dev_out() override;

private:
	bool _usable = false;
	std::unique_ptr<AlsaMidiIn> _in;
	std::unique_ptr<AlsaMidiOut> _out;
};

}  // namespace rivo
