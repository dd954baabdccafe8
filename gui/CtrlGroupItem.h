// A leaf of the control tree: controls in insertion order (not owned).
#pragma once

#include "gui/CtrlGroupNodeInterface.h"

#include <deque>

namespace ruvava
{

class ControlInterface;

class CtrlGroupItem : public CtrlGroupNodeInterface
{
public:
	CtrlGroupItem() = default;
	// Its controls forget it: either may go first.
	~CtrlGroupItem() override;
	CtrlGroupItem(const CtrlGroupItem &) = delete;
	CtrlGroupItem &operator=(const CtrlGroupItem &) = delete;

	// Each returns the number of controls.
	int push_back(ControlInterface &ctrl);
	int erase(int index);
	int erase(const ControlInterface &ctrl);
	// Takes a control out without telling it (it is being destroyed).
	void forget(const ControlInterface &ctrl);
	int get_nbr_controls() const noexcept
	{
		return int(_ctrls.size());
	}
	ControlInterface *use_control(int index) const noexcept
	{
		return (index >= 0 && index < get_nbr_controls()) ? _ctrls[size_t(index)] : nullptr;
	}
	// Every control redraws itself (while the item is shown).
	void invalidate();

	void refresh_coord(const Coord2D &coord) override;
	int32_t do_send_message(MessageInterface &m) override;

private:
	std::deque<ControlInterface *> _ctrls;
	// Counts changes of the list, so that a walk over it stops when a handler
	// changed it (nested walks cannot reset it).
	uint32_t _generation = 0;
};

}  // namespace ruvava
