// "About...": the plug-in's name, version and interface information.
#pragma once

#include "editor/SetupComponent.h"
#include "gui/MenuListenerInterface.h"

#include <string>

namespace rivo
{

class SetupMLAbout : public ruvava::MenuListenerInterface, public SetupComponent
{
public:
	void set_custom_text(const std::string &text)
	{
		_custom = text;
	}
	// The text the box shows.
	std::string make_text() const;

protected:
	int32_t do_act() override;

private:
	std::string _custom;
};

}  // namespace rivo
