// The window services every backend shares: messages from the trees,
// timers and redraws served from one pump that the host's idle calls
// drive, and pointer input turned into the toolkit's mouse messages.
// Backends feed input in device pixels and show pixels and the pointer.
#pragma once

#include "gui/DialogHost.h"
#include "gui/WindowInterface.h"

#include <deque>
#include <vector>

namespace ruvava
{

class PumpedWindow : public WindowInterface
{
public:
	// Seconds and device pixels within which a second press counts as a double click.
	static constexpr double DOUBLE_CLICK_TIME = 0.4;
	static constexpr int32_t DOUBLE_CLICK_DIST = 4;

	explicit PumpedWindow(const Coord2D &size);

	int32_t send_message(MessageInterface &m) override;

	// Pointer input, positions in device pixels inside the window; buttons:
	// MouseState bits of every button now held; alt_keys: AltKeys bits.
	void mouse_down(const Coord2D &dev, int buttons, int alt_keys, double now);
	void mouse_up(const Coord2D &dev, int alt_keys);
	void mouse_moved(const Coord2D &dev, int buttons);
	// What a host's idle call does: serves pending input (the backend's),
	// due timers and invalidated zones. The base serves timers and zones.
	virtual void pump();
	// Sends Notify for every timer that is due, then redraws what was invalidated.
	void serve(double now);
	void serve_timers(double now);
	void redraw_invalidated();

	bool has_invalid_zone() const noexcept
	{
		return !_dirty.empty();
	}
	// Units.
	const Coord2D &get_last_mouse_pos() const noexcept
	{
		return _last_pos;
	}
	bool is_cursor_hidden() const noexcept
	{
		return _cursor_hidden;
	}
	bool is_open() const
	{
		return is_view_open();
	}
	// The editor's dialogs; set by the backend.
	DialogHost &use_dialog_host() const
	{
		return *_dialogs;
	}
	// Where the window's top-left device pixel lies on screen, and the
	// screen's extent, for placing pop-ups.
	virtual Coord2D get_screen_origin() const = 0;
	virtual Rect get_screen_rect() const = 0;

protected:
	// Whether the window shows on screen (or in memory) now.
	virtual bool is_view_open() const = 0;
	virtual void do_show_cursor(bool show) = 0;
	// Puts the pointer at a device position in the window; true when the
	// move will come back later as a motion event (an echo), false when the
	// pointer is simply there.
	virtual bool do_move_pointer(const Coord2D &dev) = 0;
	// Ends any capture before the view goes, giving the pointer back.
	void end_capture();
	// Forgets timers, invalid zones and pointer state.
	void reset_pump();
	// Owned.
	void set_dialog_host(DialogHost *host_ptr);

private:
	struct TimerSync
	{
		int32_t _id;
		double _period;
		double _due;
	};

	void add_dirty(const Rect &zone);
	MessageHandlerInterface *mouse_target() const;
	void send_click(int state, int alt_keys, int clicks);
	// The pointer's position in units, from a press or release.
	void note_pos(const Coord2D &dev);
	void show_cursor(bool show);

	std::deque<TimerSync> _timer_syncs;
	std::vector<Rect> _dirty;
	Coord2D _last_pos;
	// The same in device pixels.
	Coord2D _last_dev;
	int _buttons = 0;
	bool _cursor_hidden = false;
	// The last press, for double clicks.
	double _press_time = -1;
	Coord2D _press_pos;
	int _press_buttons = 0;
	int _clicks = 0;
	// Device pixels moved during a relative capture not yet sent as a whole unit.
	Coord2D _residual;
	// During a relative capture: the pointer's last known place, and whether
	// the echo of putting it back at the origin is still to come (motions
	// queued before it count from where the pointer was).
	Coord2D _rel_last;
	bool _awaiting_echo = false;
	std::vector<int32_t> _due_ids;
	std::unique_ptr<DialogHost> _dialogs;
};

}  // namespace ruvava
