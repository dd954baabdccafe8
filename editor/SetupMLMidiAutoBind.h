// "Auto-bind": arms binding controllers by example (see MidiAutoBindMgr).
#pragma once

#include "editor/SetupComponent.h"
#include "gui/MenuListenerInterface.h"

namespace rivo
{

class SetupMLMidiAutoBind : public ruvava::MenuListenerInterface, public SetupComponent
{
protected:
	int32_t do_act() override;
};

}  // namespace rivo
