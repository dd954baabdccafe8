// Panel layout reader.
#include "tools/art/PanelLayout.h"

#include <cstdio>
#include <fstream>

namespace art
{

bool PanelLayout::read(const std::string &path)
{
	std::ifstream f(path);
	if (!f)
	{
		return false;
	}
	std::string section;
	for (std::string line; std::getline(f, line);)
	{
		if (line.rfind("## ", 0) == 0)
		{
			section = line.substr(3);
			continue;
		}
		if (section.rfind("Control origins", 0) == 0)
		{
			char name[64];
			int x = 0;
			int y = 0;
			if (std::sscanf(line.c_str(), "%63s origin (%d,%d)", name, &x, &y) == 3)
			{
				_origins[name] = {x, y};
			}
		}
		else if (section.rfind("Text labels", 0) == 0)
		{
			const size_t q0 = line.find('"');
			const size_t q1 = (q0 == std::string::npos) ? q0 : line.find('"', q0 + 1);
			const size_t eq = line.find("= bkg_");
			if (q1 == std::string::npos || eq == std::string::npos)
			{
				continue;
			}
			Label lab;
			lab.text = line.substr(q0 + 1, q1 - q0 - 1);
			lab.small = false;
			lab.big = lab.text.find("(voice number") != std::string::npos;
			if (lab.big)
			{
				lab.text = lab.text.substr(0, 1);
			}
			char bkg[32];
			if (std::sscanf(line.c_str() + eq + 2, "%31s local (%d,%d)", bkg, &lab.x, &lab.y) == 3)
			{
				lab.background = bkg;
				_labels.push_back(lab);
			}
		}
		else if (section.rfind("Depth choice", 0) == 0)
		{
			// voice 1: bird = "Dirty Bird" (state 0, top) centre (174,214), max 20 x 20
			const size_t q0 = line.find('"');
			const size_t q1 = (q0 == std::string::npos) ? q0 : line.find('"', q0 + 1);
			const size_t c = line.find("centre (");
			Label lab;
			if (q1 != std::string::npos && c != std::string::npos &&
			    std::sscanf(line.c_str() + c, "centre (%d,%d)", &lab.x, &lab.y) == 2)
			{
				lab.text = line.substr(q0 + 1, q1 - q0 - 1);
				lab.big = false;
				lab.small = true;
				lab.background = "bkg_27_m";
				lab.y -= 95;  // the middle background starts at window row 95
				_labels.push_back(lab);
			}
		}
		else if (section.rfind("Text-box display windows", 0) == 0)
		{
			const size_t r = line.find("recess (");
			Recess rc;
			if (r != std::string::npos &&
			    std::sscanf(line.c_str() + r, "recess (%d,%d)-(%d,%d)", &rc.x0, &rc.y0, &rc.x1, &rc.y1) == 4)
			{
				_recesses.push_back(rc);
			}
		}
	}
	return !_labels.empty() && !_origins.empty();
}

}  // namespace art
