// An interior node: adjoining slices along one axis, each holding a node.
#pragma once

#include "gui/SPTreeNodeInterface.h"

#include <deque>

namespace ruvava
{

class SPTreeSplit : public virtual SPTreeNodeInterface
{
public:
	enum Type
	{
		Type_UNDEFINED = -1,
		// Slices stacked along y, top to bottom.
		Type_VERTICAL = 0,
		// Slices side by side along x, left to right.
		Type_HORIZONTAL = 1
	};

	class SPTreeSubdiv
	{
	public:
		SPTreeSubdiv(SPTreeNodeInterface &node, int32_t end_offset) noexcept : _node_ptr(&node), _end_offset(end_offset) {}
		SPTreeNodeInterface &get_node() const noexcept
		{
			return *_node_ptr;
		}
		// The slice's extent along the split's axis.
		int32_t get_end_offset() const noexcept
		{
			return _end_offset;
		}

	private:
		SPTreeNodeInterface *_node_ptr;
		int32_t _end_offset;
	};

	// The integer says whether this class constructs the shared base; C++
	// virtual bases make that the most derived class's business, so it is kept
	// only for the constructors' shape.
	explicit SPTreeSplit(int construct_base) noexcept;
	SPTreeSplit(int construct_base, Type type) noexcept;

	// Each returns the number of slices.
	int push_back(SPTreeNodeInterface &node, int32_t size);
	int insert(SPTreeNodeInterface &node, int32_t size, int index);
	int erase(int index);
	// Replaces the node of a slice, keeping its size.
	int change(SPTreeNodeInterface &node, int32_t size, int index);

	int32_t get_total_offset_to(int n) const noexcept;
	int get_nbr_subdivs() const noexcept
	{
		return int(_subdivs.size());
	}
	void set_type(Type type) noexcept
	{
		_type = type;
	}
	Type get_type() const noexcept
	{
		return _type;
	}
	// Along the axis, the first slice ending after p; the last when none.
	int get_subdiv_index_by_coord(const Coord2D &p) const noexcept;

	void refresh_coord(const Coord2D &coord) override;
	int32_t do_send_message(MessageInterface &m) override;

private:
	int32_t along(const Coord2D &p) const noexcept
	{
		return (_type == Type_HORIZONTAL) ? p._x : p._y;
	}
	// Adopts a node entering the tree and tells it whether it is shown.
	void adopt(SPTreeNodeInterface &node);

	Type _type = Type_UNDEFINED;
	std::deque<SPTreeSubdiv> _subdivs;
	// Counts changes of the slices, so that a walk over them stops when a
	// handler changed them (nested walks cannot reset it).
	uint32_t _generation = 0;
};

}  // namespace ruvava
