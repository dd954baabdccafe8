#include "midi/alsa/AlsaSeqLib.h"

#include <dlfcn.h>
#include <unistd.h>

namespace rivo
{

namespace
{

template <typename F>
bool find(void *lib_ptr, const char *name_0, F &fnc)
{
	fnc = reinterpret_cast<F>(dlsym(lib_ptr, name_0));
	return fnc != nullptr;
}

}  // namespace

bool AlsaSeqLib::load()
{
	// Never closed: devices of other instances may still use it at exit.
	void *lib_ptr = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
	if (lib_ptr == nullptr)
	{
		return false;
	}
	return find(lib_ptr, "snd_seq_open", seq_open) && find(lib_ptr, "snd_seq_close", seq_close) &&
	       find(lib_ptr, "snd_seq_set_client_name", seq_set_client_name) &&
	       find(lib_ptr, "snd_seq_create_simple_port", seq_create_simple_port) &&
	       find(lib_ptr, "snd_seq_poll_descriptors_count", seq_poll_descriptors_count) &&
	       find(lib_ptr, "snd_seq_poll_descriptors", seq_poll_descriptors) &&
	       find(lib_ptr, "snd_seq_event_input", seq_event_input) &&
	       find(lib_ptr, "snd_seq_event_output_direct", seq_event_output_direct) &&
	       find(lib_ptr, "snd_midi_event_new", midi_event_new) && find(lib_ptr, "snd_midi_event_free", midi_event_free) &&
	       find(lib_ptr, "snd_midi_event_no_status", midi_event_no_status) &&
	       find(lib_ptr, "snd_midi_event_decode", midi_event_decode) &&
	       find(lib_ptr, "snd_midi_event_encode", midi_event_encode) &&
	       find(lib_ptr, "snd_midi_event_reset_encode", midi_event_reset_encode);
}

const AlsaSeqLib *AlsaSeqLib::get()
{
	static AlsaSeqLib *lib_ptr = [] {
		auto *l = new AlsaSeqLib;
		if (!l->load())
		{
			delete l;
			return static_cast<AlsaSeqLib *>(nullptr);
		}
		return l;
	}();
	return lib_ptr;
}

bool AlsaSeqLib::is_usable() const
{
	// Without the device the library would only complain on the host's console.
	if (access("/dev/snd/seq", R_OK | W_OK) != 0)
	{
		return false;
	}
	void *seq = nullptr;
	if (seq_open(&seq, "default", OPEN_INPUT | OPEN_OUTPUT, NONBLOCK) < 0 || seq == nullptr)
	{
		return false;
	}
	seq_close(seq);
	return true;
}

}  // namespace rivo
