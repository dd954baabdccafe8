// The edit panel's value text box: typed text moves the main control.
#pragma once

#include "editor/NumParamListener.h"
#include "editor/NumParamMgrInterface.h"
#include "gui/TextBox.h"

namespace rivo
{

class NumValTbListener : public NumParamListener
{
public:
	void send_custom_event(long id, void *) override
	{
		if (id == ruvava::TextBox::Event_EDITED)
		{
			apply_typed(NumParamMgrInterface::Slot_VAL_TB, -1);
		}
	}
};

}  // namespace rivo
