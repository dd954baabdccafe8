// A part of the MIDI device layer that belongs to a plug-in and talks to its
// host through it.
#pragma once

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

protected:
	virtual void do_set_plugin(Vst2Plugin &) {}

private:
	Vst2Plugin *_plugin_ptr = nullptr;
};

}  // namespace rivo
