// An object attached to a listener that hears its value changes and the
// messages of its control.
#pragma once

namespace ruvava
{

class DefaultEventListener;
class MessageInterface;

class MiscMgrInterface
{
public:
	virtual ~MiscMgrInterface() = default;
	virtual void num_val_changed(double val, int prio) = 0;
	virtual void spy_message_pre(const MessageInterface &m) = 0;
	virtual void spy_message_post(const MessageInterface &m) = 0;

	void set_listener(DefaultEventListener &listener) noexcept
	{
		_listener_ptr = &listener;
	}
	DefaultEventListener *get_def_list_ptr() const noexcept
	{
		return _listener_ptr;
	}

private:
	DefaultEventListener *_listener_ptr = nullptr;
};

}  // namespace ruvava
