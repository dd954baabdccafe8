#include "editor/MidiAutoBindMgr.h"

#include "editor/ListenerBase.h"
#include "editor/MetaControlList.h"
#include "midi/MidiMgr.h"
#include "params/GuiInterface.h"
#include "params/HostGuiInterface.h"

namespace rivo
{

void MidiAutoBindMgr::init(MetaControlList &mcl, HostGuiInterface &host, GuiInterface *gui_ptr)
{
	_host_ptr = &host;
	_gui_ptr = gui_ptr;
	_listeners.clear();
	_listeners.resize(mcl.size());
	for (size_t i = 0; i < mcl.size(); ++i)
	{
		if (ListenerBase *main_ptr = mcl[i].use_listener())
		{
			_listeners[i].init(*this, *main_ptr);
		}
	}
	_init_flag = true;
}

MidiMgr *MidiAutoBindMgr::use_midi_mgr() const
{
	return (_host_ptr != nullptr) ? _host_ptr->use_midi_interface() : nullptr;
}

void MidiAutoBindMgr::activate_autobind(bool flag)
{
	_activated = flag;
	update_autobind();
}

bool MidiAutoBindMgr::is_autobind_activated()
{
	check_already_done();
	return _activated;
}

void MidiAutoBindMgr::select_param(int param)
{
	_candidate = param;
	update_autobind();
}

NormalizedParamInterface *MidiAutoBindMgr::get_autobind_candidate_ref() const
{
	if (_candidate < 0 || size_t(_candidate) >= _listeners.size())
	{
		return nullptr;
	}
	const ListenerBase *main_ptr = _listeners[size_t(_candidate)].use_main_listener();
	return (main_ptr != nullptr) ? main_ptr->use_param() : nullptr;
}

void MidiAutoBindMgr::update_autobind()
{
	MidiMgr *midi_ptr = use_midi_mgr();
	if (midi_ptr == nullptr)
	{
		return;
	}
	check_already_done();
	if (_activated)
	{
		if (midi_ptr->use_persistent_midi_settings().get_autobind_mode() ==
		    PersistentMidiSettings::AutobindMode_ONE_SHOT)
		{
			midi_ptr->clear_latest_autobind_info();
		}
		if (_activated && _candidate >= 0)
		{
			midi_ptr->set_autobind_param(_candidate);
			idle();
			return;
		}
	}
	midi_ptr->clear_cur_autobind();
	idle();
}

void MidiAutoBindMgr::check_already_done()
{
	MidiMgr *midi_ptr = use_midi_mgr();
	int param = -1;
	long ctrl_id = 0;
	if (_activated && midi_ptr != nullptr && midi_ptr->get_latest_autobind_info(param, ctrl_id) &&
	    midi_ptr->use_persistent_midi_settings().get_autobind_mode() == PersistentMidiSettings::AutobindMode_ONE_SHOT)
	{
		_activated = false;
		midi_ptr->clear_latest_autobind_info();
	}
}

void MidiAutoBindMgr::mark(int param, Mark m)
{
	if (_gui_ptr != nullptr && param >= 0)
	{
		_gui_ptr->set_control_top_layer_pic(param, m);
	}
}

void MidiAutoBindMgr::idle()
{
	MidiMgr *midi_ptr = use_midi_mgr();
	if (midi_ptr == nullptr)
	{
		return;
	}
	check_already_done();
	const int target = _activated ? midi_ptr->get_autobind_param() : -1;
	if (target != _marked_target)
	{
		mark(_marked_target, Mark_NONE);
		mark(target, Mark_TARGET);
		_marked_target = target;
	}
}

}  // namespace rivo
