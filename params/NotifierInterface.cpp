// Change notification towards one listener.
#include "params/NotifierInterface.h"

#include "params/NotifiedInterface.h"

namespace rivo
{

void NotifierInterface::notify_target()
{
	if (_target_ptr != nullptr)
	{
		_target_ptr->notify(*this);
	}
}

}  // namespace rivo
