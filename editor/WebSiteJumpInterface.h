// The addresses of the plug-in's web pages.
#pragma once

#include <string>

namespace rivo
{

class WebSiteJumpInterface
{
public:
	enum Type
	{
		Type_PRODUCT_INFO = 2,
		Type_UPDATES = 3,
		Type_PRESETS = 4,
		Type_DOCUMENTATION = 5
	};

	virtual ~WebSiteJumpInterface() = default;
	virtual std::string get_url(Type type) const = 0;
	// The page's own query field, empty when it has none.
	virtual std::string get_specific_var(Type type) const = 0;
};

}  // namespace rivo
