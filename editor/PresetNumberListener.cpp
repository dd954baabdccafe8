#include "editor/PresetNumberListener.h"

#include "editor/PresetListenerRefList.h"
#include "editor/PresetTimeFaderListener.h"
#include "editor/ProgStLdInterface.h"
#include "gui/ClearTimer.h"
#include "gui/ControlInterface.h"
#include "gui/Notify.h"
#include "gui/SetTimer.h"
#include "sys/sys_fnc.h"

#include <algorithm>
#include <cmath>

namespace rivo
{

void PresetNumberListener::send_custom_event(long id, void *)
{
	if (id != 0 || _refs_ptr == nullptr || _refs_ptr->_stld_ptr == nullptr)
	{
		return;
	}
	ruvava::ControlInterface *mem_ptr = _refs_ptr->_mem_ctrl_ptr;
	if (mem_ptr != nullptr && mem_ptr->get_val() >= 0.5)
	{
		store();
		mem_ptr->set_val_auto(0, ruvava::ControlInterface::PRIO_USER);
	}
	else
	{
		load_interpolate();
	}
}

void PresetNumberListener::store()
{
	ProgramSlot slot;
	_refs_ptr->_stld_ptr->get_cur_program(slot);
	_refs_ptr->_stld_ptr->store(_number, slot);
}

void PresetNumberListener::load_interpolate()
{
	for (PresetNumberListener *l : _refs_ptr->_number_ptrs)
	{
		if (l != nullptr)
		{
			l->stop_fade();
		}
	}
	_refs_ptr->_stld_ptr->get_cur_program(_from);
	_refs_ptr->_stld_ptr->load(_number, _to);
	_start = sys::get_time_stamp();
	ruvava::ControlInterface *ctrl_ptr = use_ci();
	if (ctrl_ptr == nullptr)
	{
		return;
	}
	// The timer goes up through the button and comes back to this listener.
	ruvava::SetTimer timer(*this, FADE_STEP, _timer_id);
	if (ctrl_ptr->send_message(timer) != 0)
	{
		_timer_id = -1;
	}
}

void PresetNumberListener::stop_fade()
{
	if (_timer_id >= 0)
	{
		ruvava::ClearTimer clear(_timer_id);
		if (use_ci() != nullptr)
		{
			use_ci()->send_message(clear);
		}
		_timer_id = -1;
	}
}

int32_t PresetNumberListener::send_message(ruvava::MessageInterface &m)
{
	const auto *notify_ptr = dynamic_cast<const ruvava::Notify *>(&m);
	if (notify_ptr == nullptr || notify_ptr->get_id() != _timer_id || _timer_id < 0)
	{
		return -1;
	}
	const double t = (_refs_ptr->_fader_ptr != nullptr) ? _refs_ptr->_fader_ptr->get_time() : 0;
	const double elapsed = notify_ptr->get_time_stamp() - _start;
	const double ratio = (std::fabs(t) < 1e-9) ? 1.0 : std::clamp(elapsed / t, 0.0, 1.0);
	_refs_ptr->_stld_ptr->interpolate(_from, _to, ratio);
	if (elapsed >= t)
	{
		stop_fade();
	}
	return 0;
}

}  // namespace rivo
