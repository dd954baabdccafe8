// The few functions of the system's ALSA sequencer library that the built-in
// MIDI devices use, looked up at run time: the plug-in loads on a machine
// without the library, and then simply offers no built-in device. The
// library's handles are opaque here; events are handled as raw MIDI bytes
// through its own encoder and decoder.
#pragma once

#include <cstddef>

struct pollfd;

namespace rivo
{

class AlsaSeqLib
{
public:
	// Sequencer open modes and port capabilities, as the library defines them.
	static constexpr int OPEN_OUTPUT = 1;
	static constexpr int OPEN_INPUT = 2;
	static constexpr int NONBLOCK = 1;
	static constexpr unsigned CAP_READ = 1u << 0;
	static constexpr unsigned CAP_WRITE = 1u << 1;
	static constexpr unsigned CAP_SUBS_READ = 1u << 5;
	static constexpr unsigned CAP_SUBS_WRITE = 1u << 6;
	static constexpr unsigned TYPE_MIDI_GENERIC = 1u << 1;
	static constexpr unsigned TYPE_APPLICATION = 1u << 20;
	// An event record: 28 bytes; the queue, source port and destination
	// address are set by their offsets when sending to the subscribers.
	static constexpr size_t EVENT_SIZE = 28;
	static constexpr size_t EVENT_QUEUE = 3;
	static constexpr size_t EVENT_SOURCE_PORT = 13;
	static constexpr size_t EVENT_DEST_CLIENT = 14;
	static constexpr size_t EVENT_DEST_PORT = 15;
	static constexpr unsigned char QUEUE_DIRECT = 253;
	static constexpr unsigned char ADDRESS_SUBSCRIBERS = 254;
	static constexpr unsigned char ADDRESS_UNKNOWN = 253;

	// Null when the library or one of its functions is missing.
	static const AlsaSeqLib *get();
	// Whether a sequencer can be opened on this machine (/dev/snd/seq).
	bool is_usable() const;

	int (*seq_open)(void **seq, const char *name, int streams, int mode) = nullptr;
	int (*seq_close)(void *seq) = nullptr;
	int (*seq_set_client_name)(void *seq, const char *name) = nullptr;
	int (*seq_create_simple_port)(void *seq, const char *name, unsigned caps, unsigned type) = nullptr;
	int (*seq_poll_descriptors_count)(void *seq, short events) = nullptr;
	int (*seq_poll_descriptors)(void *seq, pollfd *pfds, unsigned space, short events) = nullptr;
	int (*seq_event_input)(void *seq, void **ev) = nullptr;
	int (*seq_event_output_direct)(void *seq, void *ev) = nullptr;
	int (*midi_event_new)(size_t bufsize, void **dev) = nullptr;
	void (*midi_event_free)(void *dev) = nullptr;
	void (*midi_event_no_status)(void *dev, int on) = nullptr;
	long (*midi_event_decode)(void *dev, unsigned char *buf, long count, const void *ev) = nullptr;
	long (*midi_event_encode)(void *dev, const unsigned char *buf, long count, void *ev) = nullptr;
	void (*midi_event_reset_encode)(void *dev) = nullptr;

private:
	AlsaSeqLib() = default;
	bool load();
};

}  // namespace rivo
