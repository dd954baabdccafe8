// The built-in MIDI output: an ALSA sequencer port that other programs and
// devices subscribe to. Packets from any thread go through a bounded
// lock-free queue (dropped and counted when full, never waited for) to the
// device's own thread, which sends them.
#pragma once

#include "midi/MidiOutQueueMixin.h"

#include <atomic>
#include <thread>

namespace rivo
{

class AlsaMidiOut : public MidiOutQueueMixin
{
public:
	static constexpr const char *PORT_NAME = "Tarvelle MIDI Out";
	static constexpr int CAPACITY = 1024;

	explicit AlsaMidiOut(int index);
	~AlsaMidiOut() override;

	int connect() override;
	int disconnect() override;
	void process_pre() override {}
	void process_post() override {}

private:
	void run();
	void send(const Packet &p);

	int _index;
	void *_seq = nullptr;
	void *_encoder = nullptr;
	int _port = -1;
	std::thread _thread;
	std::atomic<bool> _stop{false};
};

}  // namespace rivo
