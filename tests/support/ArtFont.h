// The editor's plain font as the build draws it (ART_DIR, 1x or 2x), loaded
// once for the test run; throws when the build has not made it.
#pragma once

#include "gui/FontFactory.h"
#include "gui/FontInterface.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace testsupport
{

inline const ruvava::FontInterface &sys_font(int scale = 1)
{
	static std::vector<char> bytes[2];
	static std::unique_ptr<ruvava::FontInterface> fonts[2];
	const int i = (scale == 2) ? 1 : 0;
	if (fonts[i] == nullptr)
	{
		std::ifstream f(std::string(ART_DIR) + (i == 1 ? "/font_03@2x.apic" : "/font_03.apic"), std::ios::binary);
		bytes[i].assign(std::istreambuf_iterator<char>(f), {});
		fonts[i].reset(ruvava::FontFactory::create_from(bytes[i].data(), bytes[i].size()));
		if (fonts[i] == nullptr)
		{
			throw std::runtime_error("no font in " ART_DIR);
		}
	}
	return *fonts[i];
}

}  // namespace testsupport
