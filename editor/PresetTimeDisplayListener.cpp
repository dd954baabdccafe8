#include "editor/PresetTimeDisplayListener.h"

#include "editor/PresetListenerRefList.h"
#include "editor/PresetTimeFaderListener.h"
#include "gui/TextBox.h"

#include <cmath>
#include <cstdio>

namespace rivo
{

void PresetTimeDisplayListener::show_time(double t)
{
	if (_refs._display_ctrl_ptr == nullptr)
	{
		return;
	}
	char txt[32];
	std::snprintf(txt, sizeof(txt), "%d", int(std::floor(t + 0.5)));
	_refs._display_ctrl_ptr->set_text(txt);
	_refs._display_ctrl_ptr->refresh_display();
}

void PresetTimeDisplayListener::send_custom_event(long id, void *)
{
	if (id != ruvava::TextBox::Event_EDITED || _refs._display_ctrl_ptr == nullptr)
	{
		return;
	}
	double t = 0;
	if (std::sscanf(_refs._display_ctrl_ptr->get_text().c_str(), "%lf", &t) != 1 || !(t > 0))
	{
		t = 0;
	}
	t = std::fmin(t, PresetTimeFaderListener::MAX_TIME);
	if (_refs._fader_ctrl_ptr != nullptr)
	{
		// As a user change: the fader listener stores the time and shows it again.
		_refs._fader_ctrl_ptr->set_val_user(PresetTimeFaderListener::normalize_time(t),
		                                    ruvava::ControlInterface::PRIO_USER);
	}
}

}  // namespace rivo
