// Every message between the window, the trees and the controls.
#pragma once

namespace ruvava
{

class MessageInterface
{
public:
	virtual ~MessageInterface() = default;
};

}  // namespace ruvava
