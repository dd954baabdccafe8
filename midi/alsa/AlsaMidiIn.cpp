#include "midi/alsa/AlsaMidiIn.h"

#include "midi/alsa/AlsaSeqLib.h"

#include <poll.h>

#include <vector>

namespace rivo
{

AlsaMidiIn::AlsaMidiIn(int index, int capacity) : _index(index), _queue(size_t(capacity)) {}

AlsaMidiIn::~AlsaMidiIn()
{
	disconnect();
}

int AlsaMidiIn::connect()
{
	disconnect();
	const AlsaSeqLib *lib = AlsaSeqLib::get();
	if (lib == nullptr || lib->seq_open(&_seq, "default", AlsaSeqLib::OPEN_INPUT, AlsaSeqLib::NONBLOCK) < 0)
	{
		_seq = nullptr;
		return -1;
	}
	lib->seq_set_client_name(_seq, "Tarvelle");
	if (lib->seq_create_simple_port(_seq, PORT_NAME, AlsaSeqLib::CAP_WRITE | AlsaSeqLib::CAP_SUBS_WRITE,
	                                AlsaSeqLib::TYPE_MIDI_GENERIC | AlsaSeqLib::TYPE_APPLICATION) < 0 ||
	    lib->midi_event_new(64, &_decoder) < 0)
	{
		disconnect();
		return -1;
	}
	lib->midi_event_no_status(_decoder, 1);  // every message with its status byte
	_stop.store(false);
	_thread = std::thread([this] { run(); });
	return 0;
}

int AlsaMidiIn::disconnect()
{
	_stop.store(true);
	if (_thread.joinable())
	{
		_thread.join();
	}
	const AlsaSeqLib *lib = AlsaSeqLib::get();
	if (lib != nullptr && _decoder != nullptr)
	{
		lib->midi_event_free(_decoder);
	}
	if (lib != nullptr && _seq != nullptr)
	{
		lib->seq_close(_seq);
	}
	_decoder = nullptr;
	_seq = nullptr;
	return 0;
}

void AlsaMidiIn::run()
{
	const AlsaSeqLib &lib = *AlsaSeqLib::get();
	const int n = lib.seq_poll_descriptors_count(_seq, POLLIN);
	std::vector<pollfd> fds(size_t((n > 0) ? n : 0));
	if (n > 0)
	{
		lib.seq_poll_descriptors(_seq, fds.data(), unsigned(n), POLLIN);
	}
	while (!_stop.load())
	{
		// A short time-out: the stop flag is seen within it.
		if (fds.empty() || poll(fds.data(), fds.size(), 20) <= 0)
		{
			continue;
		}
		void *ev = nullptr;
		while (!_stop.load() && lib.seq_event_input(_seq, &ev) >= 0 && ev != nullptr)
		{
			// One event may stand for several messages (a 14-bit controller,
			// an RPN or NRPN with its value): each has its status byte.
			unsigned char bytes[16] = {};
			const long len = lib.midi_event_decode(_decoder, bytes, sizeof(bytes), ev);
			for (long pos = 0; pos < len;)
			{
				const int status = bytes[pos];
				if (status < 0x80 || status >= 0xF0)
				{
					break;  // system messages have no effect here
				}
				const long size = ((status & 0xE0) == 0xC0) ? 2 : 3;
				if (pos + size > len)
				{
					break;
				}
				const Message m{{bytes[pos], bytes[pos + 1], uint8_t((size == 3) ? bytes[pos + 2] : 0)}};
				if (!_queue.push(m))
				{
					_dropped.fetch_add(1, std::memory_order_relaxed);
				}
				pos += size;
			}
			ev = nullptr;
		}
	}
}

void AlsaMidiIn::process_pre()
{
	Message m;
	while (_queue.pop(m))
	{
		process_message(m._b[0], m._b[1], m._b[2]);
	}
}

}  // namespace rivo
