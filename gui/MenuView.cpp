#include "gui/MenuView.h"

#include "gui/FontInterface.h"
#include "gui/MenuDelimiter.h"
#include "gui/MenuItem.h"
#include "gui/MenuList.h"
#include "gui/RenderingBufferInterface.h"

#include <algorithm>

namespace ruvava
{

namespace
{

constexpr long COL_BACK = 0xEDEDEA;
constexpr long COL_BORDER = 0x5A5A5A;
constexpr long COL_TEXT = 0x1E1E1E;
constexpr long COL_DISABLED = 0x9A9A96;
constexpr long COL_HOVER = 0x2F5F93;
constexpr long COL_HOVER_TEXT = 0xFFFFFF;
constexpr long COL_LINE = 0xB4B4AE;

// In window units.
constexpr int32_t PAD_Y = 3;
constexpr int32_t MARGIN_L = 18;
constexpr int32_t MARGIN_R = 18;
constexpr int32_t SEPARATOR_H = 7;

std::string label_of(const MenuNodeInterface &node)
{
	if (const auto *delim_ptr = dynamic_cast<const MenuDelimiter *>(&node))
	{
		return delim_ptr->get_display_text();
	}
	return node.get_label();
}

// A tick mark in a box of side n (device pixels) at (x, y): down from the
// middle of the left side to a third of the way, then up to the top right.
void draw_tick(RenderingBufferInterface &buf, int32_t x, int32_t y, int32_t n, long rgb)
{
	const int32_t t = std::max(n / 5, int32_t(1));
	const int32_t knee = std::max(n / 3, int32_t(1));
	for (int32_t i = 0; i < n; ++i)
	{
		const int32_t j = (i < knee) ? n / 2 + i * (n - t - n / 2) / knee : (n - t) - (i - knee) * (n - t) / (n - knee);
		buf.fill_rect(x + i, y + j, x + i + t, y + j + t, rgb);
	}
}

// A small triangle pointing right, for submenus.
void draw_arrow(RenderingBufferInterface &buf, int32_t x, int32_t y, int32_t n, long rgb)
{
	for (int32_t i = 0; i < n / 2; ++i)
	{
		buf.fill_rect(x + i, y + i, x + i + 1, y + n - i, rgb);
	}
}

}  // namespace

void MenuView::open(MenuList &list, const Coord2D &pos, const Rect &screen, const FontInterface &font, int scale)
{
	close();
	_screen = screen;
	_font_ptr = &font;
	_scale = std::max(scale, 1);
	_armed = false;
	_chosen_id = 0;
	open_level(list, pos, Rect(pos, pos));
}

void MenuView::close()
{
	if (!_levels.empty())
	{
		_levels.clear();
		bump();
	}
}

void MenuView::open_level(MenuList &list, const Coord2D &pos, const Rect &beside)
{
	const int32_t s = _scale;
	const int32_t row_h = _font_ptr->get_char_height() + 2 * PAD_Y * s;
	Level level{&list, Rect(), {}, -1};
	int32_t width = 0;
	int32_t y = s;
	for (int i = 0; i < list.size(); ++i)
	{
		const MenuNodeInterface &node = *list.use_node(i);
		const std::string label = label_of(node);
		const bool line = (dynamic_cast<const MenuDelimiter *>(&node) != nullptr && label.empty());
		const int32_t h = line ? SEPARATOR_H * s : row_h;
		TextFrame frame;
		frame.set_text(label);
		width = std::max(width, _font_ptr->get_line_width(frame));
		level._rows.emplace_back(s, y, 0, y + h);
		y += h;
	}
	width += (MARGIN_L + MARGIN_R) * s + 2 * s;
	for (Rect &r : level._rows)
	{
		r._x1 = width - s;
	}
	const int32_t height = y + s;
	// Beside its parent row when there is room on the right, else on the
	// left; always inside the screen.
	int32_t x0 = pos._x;
	if (x0 + width > _screen._x1)
	{
		x0 = (beside._x0 - width >= _screen._x0 && beside._x0 != beside._x1) ? beside._x0 - width : _screen._x1 - width;
	}
	x0 = std::max(x0, _screen._x0);
	int32_t y0 = std::min(pos._y, _screen._y1 - height);
	y0 = std::max(y0, _screen._y0);
	level._frame = Rect(x0, y0, x0 + width, y0 + height);
	_levels.push_back(std::move(level));
	bump();
}

MenuNodeInterface *MenuView::use_node(int level, int row) const
{
	return _levels[size_t(level)]._list_ptr->use_node(row);
}

bool MenuView::is_active(const MenuNodeInterface *node_ptr) const
{
	if (dynamic_cast<const MenuList *>(node_ptr) != nullptr)
	{
		return true;
	}
	const auto *item_ptr = dynamic_cast<const MenuItem *>(node_ptr);
	return item_ptr != nullptr && !item_ptr->is_disable();
}

bool MenuView::find(const Coord2D &p, int &level, int &row) const
{
	for (int l = get_nbr_levels() - 1; l >= 0; --l)
	{
		const Level &lv = _levels[size_t(l)];
		if (!lv._frame.contains(p))
		{
			continue;
		}
		level = l;
		row = -1;
		const Coord2D rel = p - Coord2D(lv._frame._x0, lv._frame._y0);
		for (size_t r = 0; r < lv._rows.size(); ++r)
		{
			if (lv._rows[r].contains(rel))
			{
				row = int(r);
			}
		}
		return true;
	}
	return false;
}

void MenuView::hover(int level, int row)
{
	Level &lv = _levels[size_t(level)];
	const bool deeper_open = (get_nbr_levels() > level + 1);
	if (lv._hover == row && !(deeper_open && row < 0))
	{
		return;
	}
	lv._hover = row;
	_levels.resize(size_t(level) + 1);
	if (row >= 0)
	{
		if (auto *sub_ptr = dynamic_cast<MenuList *>(use_node(level, row)))
		{
			const Rect box = lv._rows[size_t(row)] + Coord2D(lv._frame._x0, lv._frame._y0);
			open_level(*sub_ptr, Coord2D(lv._frame._x1 - _scale, box._y0 - _scale), lv._frame);
		}
	}
	bump();
}

MenuView::Outcome MenuView::activate(int level, int row)
{
	MenuNodeInterface *node_ptr = use_node(level, row);
	if (!is_active(node_ptr))
	{
		return Outcome_NONE;
	}
	if (dynamic_cast<MenuList *>(node_ptr) != nullptr)
	{
		hover(level, row);
		return Outcome_NONE;
	}
	_chosen_id = static_cast<MenuItem *>(node_ptr)->get_id();
	close();
	return Outcome_CHOSEN;
}

MenuView::Outcome MenuView::motion(const Coord2D &p)
{
	int level;
	int row;
	if (!is_open() || !find(p, level, row))
	{
		return Outcome_NONE;
	}
	// A disabled row or a delimiter highlights nothing, and keeps the
	// submenu opened from this level.
	if (row >= 0 && !is_active(use_node(level, row)))
	{
		return Outcome_NONE;
	}
	if (row >= 0)
	{
		hover(level, row);
	}
	return Outcome_NONE;
}

MenuView::Outcome MenuView::press(const Coord2D &p)
{
	int level;
	int row;
	if (!is_open())
	{
		return Outcome_NONE;
	}
	if (!find(p, level, row))
	{
		close();
		return Outcome_CLOSE;
	}
	_armed = true;
	return Outcome_NONE;
}

MenuView::Outcome MenuView::release(const Coord2D &p)
{
	int level;
	int row;
	if (!is_open() || !_armed || !find(p, level, row) || row < 0)
	{
		return Outcome_NONE;
	}
	return activate(level, row);
}

MenuView::Outcome MenuView::key(Key k)
{
	if (!is_open())
	{
		return Outcome_NONE;
	}
	const int level = get_nbr_levels() - 1;
	Level &lv = _levels[size_t(level)];
	const int n = int(lv._rows.size());
	switch (k)
	{
	case Key_ESCAPE:
		close();
		return Outcome_CLOSE;
	case Key_UP:
	case Key_DOWN:
	{
		const int dir = (k == Key_DOWN) ? 1 : -1;
		int r = lv._hover;
		for (int i = 0; i < n; ++i)
		{
			r = (r < 0) ? ((dir > 0) ? 0 : n - 1) : (r + dir + n) % n;
			if (is_active(use_node(level, r)))
			{
				lv._hover = r;
				bump();
				break;
			}
		}
		return Outcome_NONE;
	}
	case Key_RIGHT:
		if (lv._hover >= 0 && dynamic_cast<MenuList *>(use_node(level, lv._hover)) != nullptr)
		{
			const int row = lv._hover;
			lv._hover = -1;
			hover(level, row);
			key(Key_DOWN);
		}
		return Outcome_NONE;
	case Key_LEFT:
		if (level > 0)
		{
			_levels.pop_back();
			bump();
		}
		return Outcome_NONE;
	case Key_ENTER:
		return (lv._hover >= 0) ? activate(level, lv._hover) : Outcome_NONE;
	}
	return Outcome_NONE;
}

void MenuView::render(int index, RenderingBufferInterface &buf) const
{
	const Level &lv = _levels[size_t(index)];
	const int32_t s = _scale;
	const int32_t w = lv._frame.width();
	const int32_t h = lv._frame.height();
	buf.fill_rect(0, 0, w, h, COL_BORDER);
	buf.fill_rect(s, s, w - s, h - s, COL_BACK);
	for (size_t r = 0; r < lv._rows.size(); ++r)
	{
		const Rect &box = lv._rows[r];
		// The list may have shrunk since the menu opened.
		const MenuNodeInterface *node_ptr = lv._list_ptr->use_node(int(r));
		if (node_ptr == nullptr)
		{
			continue;
		}
		const MenuNodeInterface &node = *node_ptr;
		const std::string label = label_of(node);
		const auto *delim_ptr = dynamic_cast<const MenuDelimiter *>(&node);
		if (delim_ptr != nullptr && label.empty())
		{
			const int32_t y = (box._y0 + box._y1) / 2;
			buf.fill_rect(box._x0 + 4 * s, y, box._x1 - 4 * s, y + s, COL_LINE);
			continue;
		}
		const bool hovered = (int(r) == lv._hover);
		if (hovered)
		{
			buf.fill_rect(box._x0, box._y0, box._x1, box._y1, COL_HOVER);
		}
		const auto *item_ptr = dynamic_cast<const MenuItem *>(&node);
		const bool enabled = is_active(&node);
		const long col = hovered ? COL_HOVER_TEXT : (enabled ? COL_TEXT : COL_DISABLED);
		_font_ptr->print_in(buf, label, Rect(box._x0 + MARGIN_L * s, box._y0, box._x1 - MARGIN_R * s, box._y1), col, 0);
		const int32_t mark = 8 * s;
		const int32_t mark_y = box._y0 + (box.height() - mark) / 2;
		if (item_ptr != nullptr && item_ptr->is_checked())
		{
			draw_tick(buf, box._x0 + 5 * s, mark_y, mark, col);
		}
		if (dynamic_cast<const MenuList *>(&node) != nullptr)
		{
			draw_arrow(buf, box._x1 - 12 * s, mark_y, mark, col);
		}
	}
}

}  // namespace ruvava
