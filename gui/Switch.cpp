#include "gui/Switch.h"

#include "gui/MouseCapture.h"
#include "gui/MouseClick.h"
#include "gui/MouseRelease.h"
#include "gui/Redraw.h"

namespace ruvava
{

int32_t Switch::redraw(Redraw &m)
{
	draw_layers(m, get_val(), is_activated(), true);
	return 0;
}

int32_t Switch::mouse_click(MouseClick &m)
{
	if (m.get_state() == 0)
	{
		stop_user_action();
		return 0;
	}
	if (!is_enable() || _captured)
	{
		return 0;
	}
	const int i = find_frame(m.get_pos() - get_coord());
	if (i >= 0)
	{
		const size_t n = get_nbr_frames();
		set_val_user((n > 1) ? double(i) / double(n - 1) : 0.0, PRIO_USER);
		_captured = (capture_mouse(MouseCapture::TrackingType_NORMAL) == 0);
	}
	return 0;
}

void Switch::stop_user_action()
{
	if (_captured)
	{
		_captured = false;
		MouseRelease release(*this);
		send_message(release);
	}
}

}  // namespace ruvava
