// A text box of the edit panel (TB_SLOT) whose typed text moves a control:
// the manager's control of CTRL_SLOT, or the main control for -1.
#pragma once

#include "editor/NumParamListener.h"
#include "editor/NumParamMgrInterface.h"
#include "gui/TextBox.h"

namespace rivo
{

template <int TB_SLOT, int CTRL_SLOT>
class NumParamTypedListener : public NumParamListener
{
public:
	void send_custom_event(long id, void *) override
	{
		if (id == ruvava::TextBox::Event_EDITED)
		{
			apply_typed(TB_SLOT, CTRL_SLOT);
		}
	}
};

}  // namespace rivo
