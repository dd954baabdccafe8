// The LFO depth's text box: typed text moves the LFO depth knob.
#pragma once

#include "editor/NumParamListener.h"
#include "editor/NumParamMgrInterface.h"
#include "gui/TextBox.h"

namespace rivo
{

class LfoAmpTbListener : public NumParamListener
{
public:
	void send_custom_event(long id, void *) override
	{
		if (id == ruvava::TextBox::Event_EDITED)
		{
			apply_typed(NumParamMgrInterface::Slot_LFO_AMP_TB, NumParamMgrInterface::Slot_LFO_AMP_CTRL);
		}
	}
};

}  // namespace rivo
