// The maker's web pages: product, updates, documentation, presets.
#pragma once

#include "editor/SetupComponent.h"
#include "editor/WebSiteJumpInterface.h"
#include "gui/MenuListenerInterface.h"

namespace rivo
{

class SetupMLWebSite : public ruvava::MenuListenerInterface, public SetupComponent
{
public:
	void set_jump(WebSiteJumpInterface::Type type) noexcept
	{
		_type = type;
	}

protected:
	int32_t do_act() override;

private:
	WebSiteJumpInterface::Type _type = WebSiteJumpInterface::Type_PRODUCT_INFO;
};

}  // namespace rivo
