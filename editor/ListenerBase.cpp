#include "editor/ListenerBase.h"

#include "editor/RcMgr.h"

#include "gui/ControlInterface.h"
#include "params/HostGuiInterface.h"
#include "params/NormalizedParamInterface.h"

namespace rivo
{

bool ListenerBase::can_num_val_be_changed(int prio)
{
	return _host_ptr == nullptr || _index < 0 || _host_ptr->is_param_free(_index, prio);
}

bool ListenerBase::reserve_num_val(int prio)
{
	return _host_ptr == nullptr || _index < 0 || _host_ptr->reserve_param(_index, prio);
}

void ListenerBase::release_num_val(int prio)
{
	if (_host_ptr != nullptr && _index >= 0)
	{
		_host_ptr->release_param(_index, prio);
	}
}

double ListenerBase::change_num_val_user(double val, int prio)
{
	if (_host_ptr != nullptr && _index >= 0)
	{
		_host_ptr->set_param(_index, float(val), prio);
	}
	// Only the user's own changes carry the other voices along, not the
	// values the host sends back.
	if (_rc_ptr != nullptr)
	{
		_rc_ptr->user_changed(val, prio);
	}
	return DefaultEventListener::change_num_val_user(val, prio);
}

void ListenerBase::set_rc_mgr(RcMgr &mgr)
{
	_rc_ptr = &mgr;
	set_misc_mgr(mgr);
}

void ListenerBase::cancel_link() noexcept
{
	if (_rc_ptr != nullptr)
	{
		_rc_ptr->cancel_link();
	}
}

void ListenerBase::update_display()
{
	if (_param_ptr != nullptr && use_ci() != nullptr)
	{
		use_ci()->set_val_auto(_param_ptr->get_nval(), 1);
	}
}

}  // namespace rivo
