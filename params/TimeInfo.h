// The host's time information as the engine asks for it.
#pragma once

namespace rivo
{

class TimeInfo
{
public:
	TimeInfo()
	{
		clear();
	}
	// Both flags false; the tempo is left as it is.
	void clear() noexcept
	{
		_unavailable = false;
		_tempo_flag = false;
	}

	double _tempo = 0;         // BPM, valid only when _tempo_flag is set on return
	bool _unavailable = false;  // set on return when the host gave nothing at all
	bool _tempo_flag = false;   // on entry: tempo wanted; on return: tempo valid
};

}  // namespace rivo
