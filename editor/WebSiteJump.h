// The jump page of the plug-in's web site, with the product, its version
// and the page wanted in the query.
#pragma once

#include "editor/WebSiteJumpInterface.h"

namespace rivo
{

class WebSiteJump : public WebSiteJumpInterface
{
public:
	// The web server: a placeholder until the site exists (see the README).
	static constexpr const char *SERVER = "https://tarvelle.example.org/";
	static constexpr long PRODUCT_ID = 43;
	// The version number 1.00, written digit by digit in base 16.
	static constexpr int VERSION = 0x100;

	std::string get_url(Type type) const override;
	std::string get_specific_var(Type type) const override;
};

}  // namespace rivo
