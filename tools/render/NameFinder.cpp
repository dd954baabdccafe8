// Name lookup with suggestions for the render tool.
#include "tools/render/NameFinder.h"

#include "tools/render/RenderError.h"

#include <algorithm>
#include <cctype>

namespace rivo
{

NameFinder::NameFinder(const char *what_0, const char *list_0) : _what(what_0), _list(list_0) {}

void NameFinder::add(std::vector<std::string> names)
{
	_names.push_back(std::move(names));
}

size_t NameFinder::distance(const std::string &a, const std::string &b)
{
	std::vector<size_t> row(b.size() + 1);
	for (size_t j = 0; j <= b.size(); ++j)
	{
		row[j] = j;
	}
	for (size_t i = 1; i <= a.size(); ++i)
	{
		size_t diag = row[0];
		row[0] = i;
		for (size_t j = 1; j <= b.size(); ++j)
		{
			const size_t up = row[j];
			const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
			                  std::tolower(static_cast<unsigned char>(b[j - 1]));
			row[j] = std::min({up + 1, row[j - 1] + 1, diag + (same ? 0 : 1)});
			diag = up;
		}
	}
	return row[b.size()];
}

int NameFinder::find(const std::string &txt) const
{
	const bool is_index =
	   !txt.empty() && txt.size() < 10 && std::all_of(txt.begin(), txt.end(), [](char c) { return c >= '0' && c <= '9'; });
	if (is_index)
	{
		const int index = std::stoi(txt);
		if (index < size())
		{
			return index;
		}
		throw RenderError(RenderError::Status_NAME, "no " + _what + " " + txt + ": there are " +
		                                               std::to_string(size()) + " (see " + _list + ")");
	}
	std::vector<std::pair<size_t, int>> ranked;
	for (int i = 0; i < size(); ++i)
	{
		size_t best = std::string::npos;
		for (const std::string &name : _names[size_t(i)])
		{
			best = std::min(best, distance(txt, name));
		}
		if (best == 0)
		{
			return i;
		}
		ranked.emplace_back(best, i);
	}
	std::stable_sort(ranked.begin(), ranked.end());
	std::string msg = "no " + _what + " named '" + txt + "'";
	for (size_t k = 0; k < std::min<size_t>(3, ranked.size()); ++k)
	{
		msg += (k == 0 ? "; closest: '" : ", '") + _names[size_t(ranked[k].second)].back() + "'";
	}
	throw RenderError(RenderError::Status_NAME, msg + " (see " + _list + ")");
}

}  // namespace rivo
