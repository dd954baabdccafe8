// A part of the MIDI device layer that belongs to a plug-in and talks to its
// host through it.
#pragma once

#include <atomic>

namespace rivo
{

class Vst2Plugin;

class Vst2Component
{
public:
	virtual ~Vst2Component() = default;
	void set_plugin(Vst2Plugin &plugin)
	{
		_plugin_ptr = &plugin;
		do_set_plugin(plugin);
	}
	Vst2Plugin *use_plugin() const noexcept
	{
		return _plugin_ptr;
	}
	// A host device is connected while selected; read on the audio thread.
	bool is_active() const noexcept
	{
		return _active.load(std::memory_order_acquire);
	}

protected:
	virtual void do_set_plugin(Vst2Plugin &) {}
	int set_active(bool flag) noexcept
	{
		_active.store(flag, std::memory_order_release);
		return 0;
	}

private:
	Vst2Plugin *_plugin_ptr = nullptr;
	std::atomic<bool> _active{false};
};

}  // namespace rivo
