// Picture table reader.
#include "tools/art/PicTable.h"

#include <fstream>
#include <sstream>

namespace art
{

bool PicTable::read(const std::string &path, std::vector<PicRow> &rows)
{
	std::ifstream f(path);
	if (!f)
	{
		return false;
	}
	for (std::string line; std::getline(f, line);)
	{
		std::istringstream in(line.substr(0, line.find('#')));
		PicRow r;
		if (in >> r.name >> r.hot_x >> r.hot_y >> r.width >> r.height)
		{
			rows.push_back(r);
		}
	}
	return !rows.empty();
}

}  // namespace art
