// Finds a program or a parameter by its index or by any of its names, in any
// case, and names the closest ones when nothing matches.
#pragma once

#include <string>
#include <vector>

namespace rivo
{

class NameFinder
{
public:
	// what_0: "program" or "parameter"; list_0: the option that lists them.
	NameFinder(const char *what_0, const char *list_0);

	// The names of the next index (a host name and a full name, say).
	void add(std::vector<std::string> names);
	int size() const noexcept
	{
		return int(_names.size());
	}
	// The index; RenderError (Status_NAME) with the closest names otherwise.
	int find(const std::string &txt) const;

private:
	// Edits (insert, delete, replace) from a to b, ignoring case.
	static size_t distance(const std::string &a, const std::string &b);

	std::string _what;
	std::string _list;
	std::vector<std::vector<std::string>> _names;
};

}  // namespace rivo
