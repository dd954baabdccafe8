#include "gui/CtrlGroupItem.h"

#include "gui/ControlInterface.h"
#include "gui/ShowObject.h"

#include <algorithm>

namespace ruvava
{

CtrlGroupItem::~CtrlGroupItem()
{
	for (ControlInterface *ctrl_ptr : _ctrls)
	{
		ctrl_ptr->set_group(nullptr);
	}
}

int CtrlGroupItem::push_back(ControlInterface &ctrl)
{
	ctrl.set_group(this);
	_ctrls.push_back(&ctrl);
	++_generation;
	ctrl.refresh_coord(get_coord2D() + ctrl.get_rel_coord());
	ShowObject show(MessageDown::BROADCAST, is_shown());
	ctrl.send_message(show);
	return get_nbr_controls();
}

int CtrlGroupItem::erase(int index)
{
	if (index >= 0 && index < get_nbr_controls())
	{
		ControlInterface &ctrl = *_ctrls[size_t(index)];
		_ctrls.erase(_ctrls.begin() + index);
		++_generation;
		ShowObject hide(MessageDown::BROADCAST, false);
		ctrl.send_message(hide);
		ctrl.set_group(nullptr);
	}
	return get_nbr_controls();
}

int CtrlGroupItem::erase(const ControlInterface &ctrl)
{
	const auto it = std::find(_ctrls.begin(), _ctrls.end(), &ctrl);
	return (it == _ctrls.end()) ? get_nbr_controls() : erase(int(it - _ctrls.begin()));
}

void CtrlGroupItem::forget(const ControlInterface &ctrl)
{
	const auto it = std::find(_ctrls.begin(), _ctrls.end(), &ctrl);
	if (it != _ctrls.end())
	{
		_ctrls.erase(it);
		++_generation;
	}
}

void CtrlGroupItem::invalidate()
{
	if (!is_shown())
	{
		return;
	}
	const uint32_t gen = _generation;
	for (size_t i = 0; i < _ctrls.size() && gen == _generation; ++i)
	{
		_ctrls[i]->refresh_display();
	}
}

void CtrlGroupItem::refresh_coord(const Coord2D &coord)
{
	SPTreeNodeInterface::refresh_coord(coord);
	for (ControlInterface *ctrl_ptr : _ctrls)
	{
		ctrl_ptr->refresh_coord(coord + ctrl_ptr->get_rel_coord());
	}
}

int32_t CtrlGroupItem::do_send_message(MessageInterface &m)
{
	const auto *down_ptr = dynamic_cast<const MessageDown *>(&m);
	if (down_ptr == nullptr || _ctrls.empty())
	{
		return 0;
	}
	const Rect &dest = down_ptr->get_dest_rect();
	if (down_ptr->is_point())
	{
		// The first control under the point takes it, and only that one.
		const Coord2D p(dest._x0, dest._y0);
		for (ControlInterface *ctrl_ptr : _ctrls)
		{
			if (ctrl_ptr->check_point(p))
			{
				return ctrl_ptr->send_message(m);
			}
		}
		return 0;
	}
	int32_t ret = 0;
	const uint32_t gen = _generation;
	for (size_t i = 0; i < _ctrls.size() && gen == _generation; ++i)
	{
		ControlInterface &ctrl = *_ctrls[i];
		const Rect box = ctrl.get_box() + (ctrl.get_rel_coord() + get_coord2D());
		if (box._x1 > dest._x0 && box._x0 < dest._x1 && box._y1 > dest._y0 && box._y0 < dest._y1)
		{
			ret = ctrl.send_message(m);
		}
	}
	return ret;
}

}  // namespace ruvava
