// "Enhanced mouse mode": checked while the enhanced mode is on; shared by
// every instance and kept between runs.
#pragma once

#include "editor/SetupComponent.h"
#include "gui/MenuListenerInterface.h"

namespace rivo
{

class SetupMLCompatibleMouse : public ruvava::MenuListenerInterface, public SetupComponent
{
public:
	void update();

protected:
	int32_t do_act() override;
};

}  // namespace rivo
