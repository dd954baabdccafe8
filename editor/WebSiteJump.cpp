#include "editor/WebSiteJump.h"

#include <cstdio>

namespace rivo
{

std::string WebSiteJump::get_url(Type type) const
{
	char query[64];
	std::snprintf(query, sizeof(query), "productid=%ld&version=%d", PRODUCT_ID, VERSION);
	std::string url = std::string(SERVER) + "jump.php?type=product&" + query;
	const std::string var = get_specific_var(type);
	if (!var.empty())
	{
		url += "&" + var;
	}
	return url;
}

std::string WebSiteJump::get_specific_var(Type type) const
{
	switch (type)
	{
	case Type_UPDATES:
		return "action=update";
	case Type_PRESETS:
		return "action=preset";
	case Type_DOCUMENTATION:
		return "action=documentation";
	default:
		return std::string();
	}
}

}  // namespace rivo
