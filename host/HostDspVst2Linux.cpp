// The engine's host side through the VST 2 callback.
#include "host/HostDspVst2Linux.h"

#include "host/Vst2LinuxPlugin.h"
#include "params/TimeInfo.h"

#include <cstring>

namespace rivo
{

void HostDspVst2Linux::init()
{
	if (_plugin_ptr != nullptr)
	{
		note_tempo(_plugin_ptr->getTimeInfo(kVstTempoValid));
	}
}

void HostDspVst2Linux::note_tempo(const VstTimeInfo *info_ptr) const noexcept
{
	_host_gives_tempo.store(info_ptr != nullptr && (info_ptr->flags & kVstTempoValid) != 0, std::memory_order_release);
}

MidiMgr *HostDspVst2Linux::use_midi_interface() const
{
	return (_plugin_ptr != nullptr) ? _plugin_ptr->use_midi_interface() : nullptr;
}

double HostDspVst2Linux::get_property(const char *key_0) const
{
	if (_plugin_ptr == nullptr)
	{
		return 0;
	}
	if (std::strcmp(key_0, "can_tempo") == 0)
	{
		return _host_gives_tempo.load(std::memory_order_acquire) ? 1 : 0;
	}
	if (std::strcmp(key_0, "param_quantization") == 0)
	{
		const VstInt32 q = _plugin_ptr->getParameterQuantization();
		return q > 1 ? 1.0 / q : 0.0;
	}
	return 0;
}

void HostDspVst2Linux::get_time_info(TimeInfo &info) const
{
	const bool want_tempo = info._tempo_flag;
	const VstTimeInfo *info_ptr =
	   (_plugin_ptr != nullptr) ? _plugin_ptr->getTimeInfo(want_tempo ? kVstTempoValid : 0) : nullptr;
	if (want_tempo)
	{
		note_tempo(info_ptr);
	}
	if (info_ptr == nullptr)
	{
		info._unavailable = true;
		info._tempo_flag = false;
		return;
	}
	info._unavailable = false;
	if (want_tempo)
	{
		if ((info_ptr->flags & kVstTempoValid) != 0)
		{
			info._tempo = info_ptr->tempo;
		}
		else
		{
			info._tempo_flag = false;
		}
	}
}

bool HostDspVst2Linux::is_input_connected(int pin, int chn) const
{
	const int index = (_plugin_ptr != nullptr) ? _plugin_ptr->get_input_index(pin, chn) : -1;
	return index >= 0 && _plugin_ptr->isInputConnected(index);
}

bool HostDspVst2Linux::is_output_connected(int pin, int chn) const
{
	const int index = (_plugin_ptr != nullptr) ? _plugin_ptr->get_output_index(pin, chn) : -1;
	return index >= 0 && _plugin_ptr->isOutputConnected(index);
}

}  // namespace rivo
