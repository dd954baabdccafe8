#include "gui/DefaultEventListener.h"

#include "gui/MiscMgrInterface.h"

namespace ruvava
{

double DefaultEventListener::change_num_val(double val, int prio)
{
	if (_misc_ptr != nullptr)
	{
		_misc_ptr->num_val_changed(val, prio);
	}
	return val;
}

double DefaultEventListener::change_num_val_user(double val, int prio)
{
	return change_num_val(val, prio);
}

double DefaultEventListener::change_num_val_auto(double val, int prio)
{
	return change_num_val(val, prio);
}

void DefaultEventListener::spy_message_pre(const MessageInterface &m)
{
	if (_misc_ptr != nullptr)
	{
		_misc_ptr->spy_message_pre(m);
	}
}

void DefaultEventListener::spy_message_post(const MessageInterface &m)
{
	if (_misc_ptr != nullptr)
	{
		_misc_ptr->spy_message_post(m);
	}
}

void DefaultEventListener::set_misc_mgr(MiscMgrInterface &mgr)
{
	_misc_ptr = &mgr;
	mgr.set_listener(*this);
}

}  // namespace ruvava
