#include "midi/alsa/AlsaMidiOut.h"

#include "midi/alsa/AlsaSeqLib.h"

#include <chrono>

namespace rivo
{

AlsaMidiOut::AlsaMidiOut(int index) : _index(index) {}

AlsaMidiOut::~AlsaMidiOut()
{
	disconnect();
}

int AlsaMidiOut::connect()
{
	disconnect();
	const AlsaSeqLib *lib = AlsaSeqLib::get();
	if (lib == nullptr || lib->seq_open(&_seq, "default", AlsaSeqLib::OPEN_OUTPUT, 0) < 0)
	{
		_seq = nullptr;
		return -1;
	}
	lib->seq_set_client_name(_seq, "Tarvelle");
	_port = lib->seq_create_simple_port(_seq, PORT_NAME, AlsaSeqLib::CAP_READ | AlsaSeqLib::CAP_SUBS_READ,
	                                    AlsaSeqLib::TYPE_MIDI_GENERIC | AlsaSeqLib::TYPE_APPLICATION);
	if (_port < 0 || lib->midi_event_new(16, &_encoder) < 0)
	{
		disconnect();
		return -1;
	}
	_stop.store(false);
	_thread = std::thread([this] { run(); });
	return 0;
}

int AlsaMidiOut::disconnect()
{
	_stop.store(true);
	if (_thread.joinable())
	{
		_thread.join();
	}
	const AlsaSeqLib *lib = AlsaSeqLib::get();
	if (lib != nullptr && _encoder != nullptr)
	{
		lib->midi_event_free(_encoder);
	}
	if (lib != nullptr && _seq != nullptr)
	{
		lib->seq_close(_seq);
	}
	_encoder = nullptr;
	_seq = nullptr;
	_port = -1;
	return 0;
}

int AlsaMidiOut::enqueue_event(int status, int data1, int data2, int data3)
{
	const Packet p{{uint8_t(status), uint8_t(data1), uint8_t(data2), uint8_t(data3)}};
	if (!_queue.push(p))
	{
		_dropped.fetch_add(1, std::memory_order_relaxed);
		return 0;
	}
	return 1;
}

void AlsaMidiOut::run()
{
	const AlsaSeqLib &lib = *AlsaSeqLib::get();
	while (!_stop.load())
	{
		Packet p;
		if (!_queue.pop(p))
		{
			std::this_thread::sleep_for(std::chrono::milliseconds(1));
			continue;
		}
		// Program change and channel pressure carry one data byte.
		const int kind = p._b[0] >> 4;
		const long len = (kind == 0xC || kind == 0xD) ? 2 : 3;
		unsigned char ev[64] = {};
		lib.midi_event_reset_encode(_encoder);
		if (lib.midi_event_encode(_encoder, p._b, len, ev) == len)
		{
			ev[AlsaSeqLib::EVENT_QUEUE] = AlsaSeqLib::QUEUE_DIRECT;
			ev[AlsaSeqLib::EVENT_SOURCE_PORT] = static_cast<unsigned char>(_port);
			ev[AlsaSeqLib::EVENT_DEST_CLIENT] = AlsaSeqLib::ADDRESS_SUBSCRIBERS;
			ev[AlsaSeqLib::EVENT_DEST_PORT] = AlsaSeqLib::ADDRESS_UNKNOWN;
			lib.seq_event_output_direct(_seq, ev);
		}
	}
}

}  // namespace rivo
