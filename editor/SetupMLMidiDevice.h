// One entry of the "Input device" or "Output device" sub-menu ("None" is
// id -1).
#pragma once

#include "editor/SetupComponent.h"
#include "gui/MenuListenerInterface.h"

namespace rivo
{

class SetupMLMidiDevice : public ruvava::MenuListenerInterface, public SetupComponent
{
public:
	enum Type
	{
		Type_IN = 0,
		Type_OUT = 1
	};
	void set_device(Type type, int id) noexcept
	{
		_type = type;
		_id = id;
	}
	int get_id() const noexcept
	{
		return _id;
	}

protected:
	int32_t do_act() override;

private:
	Type _type = Type_IN;
	int _id = -1;
};

}  // namespace rivo
