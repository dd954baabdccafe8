#include "gui/SPTreeSplit.h"

#include "gui/MessageDown.h"
#include "gui/ShowObject.h"

namespace ruvava
{

SPTreeSplit::SPTreeSplit(int) noexcept {}

SPTreeSplit::SPTreeSplit(int, Type type) noexcept : _type(type) {}

void SPTreeSplit::adopt(SPTreeNodeInterface &node)
{
	node.set_father(this);
	refresh_child_coord();
	ShowObject show(MessageDown::BROADCAST, is_shown());
	node.send_message(show);
	++_generation;
}

int SPTreeSplit::push_back(SPTreeNodeInterface &node, int32_t size)
{
	_subdivs.emplace_back(node, size);
	adopt(node);
	return get_nbr_subdivs();
}

int SPTreeSplit::insert(SPTreeNodeInterface &node, int32_t size, int index)
{
	if (index < 0 || index > get_nbr_subdivs())
	{
		return get_nbr_subdivs();
	}
	_subdivs.emplace(_subdivs.begin() + index, node, size);
	adopt(node);
	return get_nbr_subdivs();
}

int SPTreeSplit::erase(int index)
{
	if (index >= 0 && index < get_nbr_subdivs())
	{
		_subdivs.erase(_subdivs.begin() + index);
		refresh_child_coord();
		++_generation;
	}
	return get_nbr_subdivs();
}

int SPTreeSplit::change(SPTreeNodeInterface &node, int32_t size, int index)
{
	if (index < 0 || index >= get_nbr_subdivs())
	{
		return get_nbr_subdivs();
	}
	ShowObject hide(MessageDown::BROADCAST, false);
	_subdivs[size_t(index)].get_node().send_message(hide);
	_subdivs[size_t(index)] = SPTreeSubdiv(node, size);
	adopt(node);
	return get_nbr_subdivs();
}

int32_t SPTreeSplit::get_total_offset_to(int n) const noexcept
{
	int32_t total = 0;
	for (int i = 0; i < n && i < get_nbr_subdivs(); ++i)
	{
		total += _subdivs[size_t(i)].get_end_offset();
	}
	return total;
}

int SPTreeSplit::get_subdiv_index_by_coord(const Coord2D &p) const noexcept
{
	const int32_t pos = along(p);
	int32_t end = along(get_coord2D());
	for (int i = 0; i < get_nbr_subdivs(); ++i)
	{
		end += _subdivs[size_t(i)].get_end_offset();
		if (end > pos)
		{
			return i;
		}
	}
	return get_nbr_subdivs() - 1;
}

void SPTreeSplit::refresh_coord(const Coord2D &coord)
{
	SPTreeNodeInterface::refresh_coord(coord);
	// Each child's area is its slice, across the split's own extent.
	const Rect &own = get_area();
	Coord2D pos = coord;
	for (const SPTreeSubdiv &sub : _subdivs)
	{
		SPTreeNodeInterface &node = sub.get_node();
		const int32_t len = sub.get_end_offset();
		if (_type == Type_HORIZONTAL)
		{
			node.set_area(Rect(pos._x, own._y0, pos._x + len, own._y1));
		}
		else
		{
			node.set_area(Rect(own._x0, pos._y, own._x1, pos._y + len));
		}
		node.refresh_coord(pos);
		(_type == Type_HORIZONTAL ? pos._x : pos._y) += len;
	}
}

int32_t SPTreeSplit::do_send_message(MessageInterface &m)
{
	const auto *down_ptr = dynamic_cast<const MessageDown *>(&m);
	if (down_ptr == nullptr || _subdivs.empty())
	{
		return 0;
	}
	const Rect &dest = down_ptr->get_dest_rect();
	const int i0 = get_subdiv_index_by_coord(Coord2D(dest._x0, dest._y0));
	const int i1 = get_subdiv_index_by_coord(Coord2D(dest._x1, dest._y1));
	const uint32_t gen = _generation;
	for (int i = i0; i <= i1 && gen == _generation; ++i)
	{
		_subdivs[size_t(i)].get_node().send_message(m);
	}
	return 0;
}

}  // namespace ruvava
