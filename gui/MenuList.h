// A submenu: its title and its nodes in order (not owned).
#pragma once

#include "gui/MenuNodeInterface.h"

#include <vector>

namespace ruvava
{

class MenuList : public MenuNodeInterface
{
public:
	using MenuNodeInterface::MenuNodeInterface;

	void push_back(MenuNodeInterface &node)
	{
		_nodes.push_back(&node);
	}
	void insert(MenuNodeInterface &node, int index)
	{
		if (index >= 0 && size_t(index) <= _nodes.size())
		{
			_nodes.insert(_nodes.begin() + index, &node);
		}
	}
	void erase(int index)
	{
		if (index >= 0 && size_t(index) < _nodes.size())
		{
			_nodes.erase(_nodes.begin() + index);
		}
	}
	// Null when out of range.
	MenuNodeInterface *use_node(int index) const noexcept
	{
		return (index >= 0 && size_t(index) < _nodes.size()) ? _nodes[size_t(index)] : nullptr;
	}
	int size() const noexcept
	{
		return int(_nodes.size());
	}

private:
	std::vector<MenuNodeInterface *> _nodes;
};

}  // namespace ruvava
