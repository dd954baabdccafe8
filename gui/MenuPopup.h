// The pop-up menu of a pumped window: the request opens the menu at the
// pointer and returns; pointer and key input arriving later moves through
// it, and a chosen item's action runs then. Shows nothing by itself: the
// off-screen window uses it as it is, and a backend shows its levels.
#pragma once

#include "gui/Menu.h"
#include "gui/MenuView.h"

namespace ruvava
{

class PumpedWindow;

class MenuPopup : public Menu
{
public:
	explicit MenuPopup(PumpedWindow &window);

	const MenuView &use_view() const noexcept
	{
		return _view;
	}
	// Screen device pixels. Each returns the chosen action's result, or 0.
	int32_t motion(const Coord2D &p);
	int32_t press(const Coord2D &p);
	int32_t release(const Coord2D &p);
	int32_t key(MenuView::Key k);

protected:
	int32_t do_begin(const MenuRequest &request) override;
	int32_t do_stop() override;
	// The view changed (opened, closed, a level or the highlight moved).
	virtual void do_show() {}
	PumpedWindow &use_pumped_window() const noexcept
	{
		return _window;
	}

private:
	int32_t conclude(MenuView::Outcome outcome);

	PumpedWindow &_window;
	MenuView _view;
};

}  // namespace ruvava
