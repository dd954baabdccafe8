#include "editor/MidiAutoBindListener.h"

#include "editor/ListenerBase.h"
#include "editor/MidiAutoBindMgr.h"
#include "gui/ControlInterface.h"

namespace rivo
{

void MidiAutoBindListener::init(MidiAutoBindMgr &mgr, ListenerBase &main_listener)
{
	_mgr_ptr = &mgr;
	_main_ptr = &main_listener;
	_param = main_listener.get_param_index();
	if (ruvava::ControlInterface *ctrl_ptr = main_listener.use_ci())
	{
		ctrl_ptr->push_back_listener_unique(*this);
	}
}

void MidiAutoBindListener::activate()
{
	if (_mgr_ptr != nullptr)
	{
		_mgr_ptr->select_param(_param);
	}
}

}  // namespace rivo
