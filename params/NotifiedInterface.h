// Something that wants to hear about changes of a notifier.
#pragma once

namespace rivo
{

class NotifierInterface;

class NotifiedInterface
{
public:
	virtual ~NotifiedInterface() = default;
	virtual void notify(NotifierInterface &notifier) = 0;
};

}  // namespace rivo
