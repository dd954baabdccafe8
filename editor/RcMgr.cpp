#include "editor/RcMgr.h"

#include "editor/MetaControlList.h"
#include "gui/MouseClick.h"

#include <algorithm>

namespace rivo
{

namespace
{

// Set while linked controls follow one that the user moves: they carry
// nothing further along (each editor runs on one thread).
thread_local bool propagating = false;

}  // namespace

void RcMgr::spy_message_pre(const ruvava::MessageInterface &m)
{
	const auto *click_ptr = dynamic_cast<const ruvava::MouseClick *>(&m);
	if (click_ptr == nullptr || click_ptr->get_state() == 0 || _mcl_ptr == nullptr || _param < 0)
	{
		return;
	}
	_linking = (click_ptr->get_state() & ruvava::MouseState_SECONDARY) != 0;
	_relative = (click_ptr->get_alt_keys() & ruvava::AltKeys_SHIFT) != 0;
	_inverted = (click_ptr->get_alt_keys() & ruvava::AltKeys_CONTROL) != 0;
	const int self = (_param - 11) / 28;
	for (int k = 0; k < 4; ++k)
	{
		const size_t p = size_t(voice_param(_param, k));
		ruvava::ControlInterface *ctrl_ptr = (p < _mcl_ptr->size()) ? (*_mcl_ptr)[p].use_control() : nullptr;
		const double v = (ctrl_ptr != nullptr) ? ctrl_ptr->get_val() : 0;
		_others_start[k] = v;
		if (k == self)
		{
			_start = v;
		}
	}
}

void RcMgr::user_changed(double val, int prio)
{
	if (!_linking || propagating || _mcl_ptr == nullptr)
	{
		return;
	}
	propagating = true;
	const int self = (_param - 11) / 28;
	for (int k = 0; k < 4; ++k)
	{
		const size_t p = size_t(voice_param(_param, k));
		ruvava::ControlInterface *ctrl_ptr = (p < _mcl_ptr->size()) ? (*_mcl_ptr)[p].use_control() : nullptr;
		if (k == self || ctrl_ptr == nullptr)
		{
			continue;
		}
		double v;
		if (_relative)
		{
			const double delta = val - _start;
			v = _others_start[k] + (_inverted ? -delta : delta);
		}
		else
		{
			v = _inverted ? 1 - val : val;
		}
		// Each step is a touch of its own: held only while it is written, so
		// the leader's glide after the release (a weaker priority) still
		// carries the others to its end.
		ctrl_ptr->reserve_val(prio);
		ctrl_ptr->set_val_user(std::clamp(v, 0.0, 1.0), prio);
		ctrl_ptr->release_val(prio);
	}
	propagating = false;
}

}  // namespace rivo
