#include "gui/SPTreeNodeInterface.h"

#include "gui/Invalidate.h"
#include "gui/ShowObject.h"

namespace ruvava
{

int32_t SPTreeNodeInterface::send_message(MessageInterface &m)
{
	if (dynamic_cast<MessageUp *>(&m) != nullptr)
	{
		return (_father_ptr != nullptr) ? _father_ptr->send_message(m) : -1;
	}
	if (const auto *show_ptr = dynamic_cast<const ShowObject *>(&m))
	{
		set_show_flag(show_ptr->is_shown());
	}
	return do_send_message(m);
}

void SPTreeNodeInterface::invalidate_all()
{
	Invalidate inv(_area);
	send_message(inv);
}

}  // namespace ruvava
