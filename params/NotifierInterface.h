// Something that tells one listener about its changes.
#pragma once

namespace rivo
{

class NotifiedInterface;

class NotifierInterface
{
public:
	virtual ~NotifierInterface() = default;

	// Not owned; null when nobody listens.
	void set_notification_target(NotifiedInterface *target_ptr) noexcept
	{
		_target_ptr = target_ptr;
	}
	NotifiedInterface *get_notification_target() const noexcept
	{
		return _target_ptr;
	}
	// Calls the target's notify() with this object, if a target is set.
	void notify_target();

private:
	NotifiedInterface *_target_ptr = nullptr;
};

}  // namespace rivo
