#include "midi/alsa/AlsaMidiOut.h"

#include "midi/alsa/AlsaSeqLib.h"

#include <chrono>

namespace rivo
{

AlsaMidiOut::AlsaMidiOut(int index) : MidiOutQueueMixin(CAPACITY), _index(index) {}

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

void AlsaMidiOut::run()
{
	while (!_stop.load())
	{
		Message msg;
		if (!pop_message(msg))
		{
			std::this_thread::sleep_for(std::chrono::milliseconds(1));
			continue;
		}
		for (int k = 0; k < msg._nbr; ++k)
		{
			send(msg._packets[k]);
		}
	}
}

void AlsaMidiOut::send(const Packet &p)
{
	const AlsaSeqLib &lib = *AlsaSeqLib::get();
	// The message's length from its status: one data byte for program change
	// and channel pressure, none for real-time ones, two otherwise.
	const int status = p[0];
	const long len = (status >= 0xF8) ? 1 : ((status & 0xE0) == 0xC0 || status == 0xF1 || status == 0xF3) ? 2 : 3;
	alignas(8) unsigned char ev[64] = {};
	lib.midi_event_reset_encode(_encoder);
	if (lib.midi_event_encode(_encoder, p.data(), len, ev) == len)
	{
		ev[AlsaSeqLib::EVENT_QUEUE] = AlsaSeqLib::QUEUE_DIRECT;
		ev[AlsaSeqLib::EVENT_SOURCE_PORT] = static_cast<unsigned char>(_port);
		ev[AlsaSeqLib::EVENT_DEST_CLIENT] = AlsaSeqLib::ADDRESS_SUBSCRIBERS;
		ev[AlsaSeqLib::EVENT_DEST_PORT] = AlsaSeqLib::ADDRESS_UNKNOWN;
		lib.seq_event_output_direct(_seq, ev);
	}
}

}  // namespace rivo
