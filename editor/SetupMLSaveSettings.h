// "Save...": the setting file, after asking before overwriting one.
#pragma once

#include "editor/SetupComponent.h"
#include "gui/MenuListenerInterface.h"

namespace rivo
{

class SetupMLSaveSettings : public ruvava::MenuListenerInterface, public SetupComponent
{
protected:
	int32_t do_act() override;

private:
	void save_chosen();
	void save_now();
};

}  // namespace rivo
