// A component asks for every mouse message.
#pragma once

#include "gui/MessageHandlerInterface.h"
#include "gui/MessageUp.h"
#include "gui/MouseMessage.h"

namespace ruvava
{

class MouseCapture : public MessageUp, public MouseMessage
{
public:
	enum TrackingType
	{
		// Pointer visible, absolute positions.
		TrackingType_NORMAL = 0,
		// Pointer hidden, absolute positions.
		TrackingType_HIDDEN = 1,
		// Pointer hidden and held at its origin, positions as offsets from it.
		TrackingType_RELATIVE = 2
	};

	MouseCapture(MessageHandlerInterface &target, TrackingType type) noexcept : _target(target), _type(type) {}
	MessageHandlerInterface &use_target() const noexcept
	{
		return _target;
	}
	TrackingType get_tracking_type() const noexcept
	{
		return _type;
	}

private:
	MessageHandlerInterface &_target;
	TrackingType _type;
};

}  // namespace ruvava
