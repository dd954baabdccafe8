// The setup button's listener: a press opens the setup menu.
#pragma once

#include "editor/SetupComponent.h"
#include "gui/DefaultEventListener.h"

namespace rivo
{

class SetupCtrlListener : public ruvava::DefaultEventListener, public SetupComponent
{
public:
	void send_custom_event(long id, void *data_ptr) override;
};

}  // namespace rivo
