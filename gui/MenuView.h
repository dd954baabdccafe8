// An open pop-up menu, whatever shows it: the column of each open level
// (the menu and the submenus opened from it), where it lies on screen,
// which row is under the pointer, and what pointer and keys do. Positions
// are screen device pixels.
#pragma once

#include "gui/Rect.h"

#include <cstdint>
#include <vector>

namespace ruvava
{

class FontInterface;
class MenuList;
class MenuNodeInterface;
class RenderingBufferInterface;

class MenuView
{
public:
	enum Outcome
	{
		// Nothing for the owner to do but redraw what changed.
		Outcome_NONE = 0,
		// The menu closed without a choice.
		Outcome_CLOSE,
		// An item was chosen (get_chosen_id); the menu closed.
		Outcome_CHOSEN
	};
	enum Key
	{
		Key_UP,
		Key_DOWN,
		Key_LEFT,
		Key_RIGHT,
		Key_ENTER,
		Key_ESCAPE
	};

	struct Level
	{
		MenuList *_list_ptr;
		// Screen position and size of the column.
		Rect _frame;
		// Row boxes relative to the column's top-left corner.
		std::vector<Rect> _rows;
		int _hover;
	};

	// Opens the menu at pos, kept inside the screen.
	void open(MenuList &list, const Coord2D &pos, const Rect &screen, const FontInterface &font, int scale);
	void close();
	bool is_open() const noexcept
	{
		return !_levels.empty();
	}
	int get_nbr_levels() const noexcept
	{
		return int(_levels.size());
	}
	const Level &use_level(int index) const
	{
		return _levels[size_t(index)];
	}
	// Changes with every visible change (levels opened or closed, hover moved).
	uint32_t get_revision() const noexcept
	{
		return _revision;
	}

	Outcome motion(const Coord2D &p);
	Outcome press(const Coord2D &p);
	// Releases act only after a press inside the session, so the release
	// of the click that opened the menu chooses nothing.
	Outcome release(const Coord2D &p);
	Outcome key(Key k);
	int32_t get_chosen_id() const noexcept
	{
		return _chosen_id;
	}

	// Draws a level into a buffer of its size.
	void render(int index, RenderingBufferInterface &buf) const;
	// The level and row at a screen point; false when outside every level.
	bool find(const Coord2D &p, int &level, int &row) const;

private:
	// A row a user can act on: an enabled item or a submenu.
	bool is_active(const MenuNodeInterface *node_ptr) const;
	void open_level(MenuList &list, const Coord2D &pos, const Rect &beside);
	// Hovering a row: closes deeper levels and opens its submenu.
	void hover(int level, int row);
	Outcome activate(int level, int row);
	MenuNodeInterface *use_node(int level, int row) const;
	void bump() noexcept
	{
		++_revision;
	}

	std::vector<Level> _levels;
	Rect _screen;
	const FontInterface *_font_ptr = nullptr;
	int _scale = 1;
	bool _armed = false;
	int32_t _chosen_id = 0;
	uint32_t _revision = 0;
};

}  // namespace ruvava
