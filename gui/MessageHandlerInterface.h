// Anything that can receive a message: the window, tree nodes, controls.
#pragma once

#include <cstdint>

namespace ruvava
{

class MessageInterface;

class MessageHandlerInterface
{
public:
	virtual ~MessageHandlerInterface() = default;
	// 0: handled; -1: not handled or failed.
	virtual int32_t send_message(MessageInterface &m) = 0;
};

}  // namespace ruvava
