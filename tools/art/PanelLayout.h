// What the backgrounds carry, read from the panel layout: the labels with
// their places, the text windows' recesses and the controls' origins.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace art
{

class PanelLayout
{
public:
	struct Label
	{
		std::string background;  // the picture it lies on
		std::string text;
		int x;  // top-left in that picture
		int y;
		bool big;    // a voice number
		bool small;  // a depth position's name, in two small lines centred on (x, y)
	};
	struct Recess
	{
		int x0, y0, x1, y1;  // window coordinates
	};

	bool read(const std::string &path);

	std::vector<Label> _labels;
	std::vector<Recess> _recesses;
	std::map<std::string, std::pair<int, int>> _origins;  // control name -> window position
};

}  // namespace art
