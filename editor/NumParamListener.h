// A listener of the edit panel: it knows its parameter's edit manager, shows
// values in the manager's text boxes and turns typed text into a control's
// user change.
#pragma once

#include "editor/ListenerBase.h"

namespace ruvava
{
class TextBox;
}

namespace rivo
{

class NumParamMgrInterface;

class NumParamListener : public ListenerBase
{
public:
	void set_num_param_mgr(NumParamMgrInterface &mgr) noexcept
	{
		_mgr_ptr = &mgr;
	}
	NumParamMgrInterface *use_num_param_mgr() const noexcept
	{
		return _mgr_ptr;
	}

protected:
	// The display text of the parameter at control position pos, into the
	// manager's text box of that slot.
	void print_into(int slot, double pos);
	// The manager's text box of that slot was edited: its text, read by this
	// listener's parameter, moves the manager's control of ctrl_slot (or the
	// main control when ctrl_slot is negative) as a user change. Text that
	// cannot be read puts the current value's text back.
	void apply_typed(int tb_slot, int ctrl_slot);

private:
	NumParamMgrInterface *_mgr_ptr = nullptr;
};

}  // namespace rivo
