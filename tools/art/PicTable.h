// The editor's picture table as the art tools read it: one row per picture,
// name, hot point and size, in load order.
#pragma once

#include <string>
#include <vector>

namespace art
{

struct PicRow
{
	std::string name;
	int hot_x;
	int hot_y;
	int width;
	int height;
};

class PicTable
{
public:
	// The rows of the table file; text after '#' is comment. False when the
	// file cannot be read or holds no row.
	static bool read(const std::string &path, std::vector<PicRow> &rows);
};

}  // namespace art
