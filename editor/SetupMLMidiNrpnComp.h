// "Old erroneous nrpn behaviour": checked while the RPN and NRPN number
// controllers are taken the old, swapped way; kept between runs.
#pragma once

#include "editor/SetupComponent.h"
#include "gui/MenuListenerInterface.h"

namespace rivo
{

class SetupMLMidiNrpnComp : public ruvava::MenuListenerInterface, public SetupComponent
{
public:
	void update();

protected:
	int32_t do_act() override;
};

}  // namespace rivo
