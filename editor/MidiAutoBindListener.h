// Beside each control's own listener: a touch of the control makes its
// parameter the auto-bind candidate.
#pragma once

#include "gui/DefaultEventListener.h"

namespace rivo
{

class ListenerBase;
class MidiAutoBindMgr;

class MidiAutoBindListener : public ruvava::DefaultEventListener
{
public:
	void init(MidiAutoBindMgr &mgr, ListenerBase &main_listener);
	void activate() override;
	ListenerBase *use_main_listener() const noexcept
	{
		return _main_ptr;
	}
	int get_param_index() const noexcept
	{
		return _param;
	}

private:
	MidiAutoBindMgr *_mgr_ptr = nullptr;
	ListenerBase *_main_ptr = nullptr;
	int _param = -1;
};

}  // namespace rivo
