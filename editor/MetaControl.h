// One parameter's control and the listener that binds them.
#pragma once

#include "editor/ListenerBase.h"
#include "gui/ControlInterface.h"

namespace rivo
{

class MetaControl
{
public:
	void connect(ruvava::ControlInterface &ctrl, ListenerBase &listener)
	{
		_ctrl_ptr = &ctrl;
		_listener_ptr = &listener;
		ctrl.push_back_listener_unique(listener);
	}
	bool is_connected() const noexcept
	{
		return _ctrl_ptr != nullptr && _listener_ptr != nullptr;
	}
	ruvava::ControlInterface *use_control() const noexcept
	{
		return _ctrl_ptr;
	}
	ListenerBase *use_listener() const noexcept
	{
		return _listener_ptr;
	}
	NormalizedParamInterface *use_param() const
	{
		return (_listener_ptr != nullptr) ? _listener_ptr->use_param() : nullptr;
	}
	// A value from elsewhere (host, MIDI, program): the control shows it.
	void set_param(float nval, int prio)
	{
		if (_ctrl_ptr != nullptr)
		{
			_ctrl_ptr->set_val_auto(nval, prio);
		}
	}
	void update_param()
	{
		if (_listener_ptr != nullptr)
		{
			_listener_ptr->update_display();
		}
	}

private:
	ruvava::ControlInterface *_ctrl_ptr = nullptr;
	ListenerBase *_listener_ptr = nullptr;
};

}  // namespace rivo
