// A node of the window's background or control tree: an area at an
// absolute position, routing messages down to what they touch and up to
// the window.
#pragma once

#include "gui/MessageHandlerInterface.h"
#include "gui/Rect.h"

namespace ruvava
{

class SPTreeNodeInterface : public MessageHandlerInterface
{
public:
	// MessageUp to the father (-1 without one); else, after a ShowObject
	// has set the shown flag, do_send_message.
	int32_t send_message(MessageInterface &m) override;
	// Lays the subtree out from this absolute origin.
	virtual void refresh_coord(const Coord2D &coord)
	{
		_coord = coord;
	}
	virtual void do_set_show_flag() {}
	virtual int32_t do_send_message(MessageInterface &m) = 0;

	void refresh_child_coord()
	{
		refresh_coord(_coord);
	}
	// Asks the window to redraw the node's area.
	void invalidate_all();

	const Coord2D &get_coord2D() const noexcept
	{
		return _coord;
	}
	void set_father(MessageHandlerInterface *father_ptr) noexcept
	{
		_father_ptr = father_ptr;
	}
	MessageHandlerInterface *get_father() const noexcept
	{
		return _father_ptr;
	}
	bool is_shown() const noexcept
	{
		return _shown;
	}
	void set_show_flag(bool shown)
	{
		_shown = shown;
		do_set_show_flag();
	}
	const Rect &get_area() const noexcept
	{
		return _area;
	}
	void set_area(const Rect &area) noexcept
	{
		_area = area;
	}

private:
	Coord2D _coord;
	MessageHandlerInterface *_father_ptr = nullptr;
	bool _shown = false;
	Rect _area;
};

}  // namespace ruvava
