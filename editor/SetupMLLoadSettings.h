// "Load...": a setting file; a failure leaves every setting as it was.
#pragma once

#include "editor/SetupComponent.h"
#include "gui/MenuListenerInterface.h"

namespace rivo
{

class SetupMLLoadSettings : public ruvava::MenuListenerInterface, public SetupComponent
{
protected:
	int32_t do_act() override;
};

}  // namespace rivo
