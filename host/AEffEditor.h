// The editor object of the VST 2 interface: the host asks it for its
// rectangle, opens it in a window of its own, idles and closes it.
#pragma once

#include "host/Vst2Interface.h"

#include <atomic>

class AudioEffect;

class AEffEditor
{
public:
	explicit AEffEditor(AudioEffect *effect_ptr) noexcept : _effect_ptr(effect_ptr) {}
	virtual ~AEffEditor() = default;
	AEffEditor(const AEffEditor &) = delete;
	AEffEditor &operator=(const AEffEditor &) = delete;

	// The rectangle stays valid while the editor lives.
	virtual bool getRect(ERect **rect_ptr_ptr)
	{
		*rect_ptr_ptr = nullptr;
		return false;
	}
	// ptr: the host's window (an X11 window id on Linux).
	virtual bool open(void *ptr)
	{
		_system_window = ptr;
		return false;
	}
	virtual void close()
	{
		_system_window = nullptr;
	}
	virtual void idle()
	{
		if (_update_flag.exchange(false, std::memory_order_acq_rel))
		{
			update();
		}
	}
	virtual void update() {}
	// Any thread: asks for update() at the next idle call.
	virtual void postUpdate()
	{
		_update_flag.store(true, std::memory_order_release);
	}

protected:
	AudioEffect *_effect_ptr;
	void *_system_window = nullptr;
	std::atomic<bool> _update_flag{false};
};
