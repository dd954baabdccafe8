#include "editor/ListenerClipLed.h"

#include "dsp/ClipDetector.h"
#include "gui/Diode.h"

namespace rivo
{

void ListenerClipLed::send_custom_event(long id, void *)
{
	if (id != 2 || _detector_ptr == nullptr)
	{
		return;
	}
	const bool clipping = _detector_ptr->is_clipping();
	_detector_ptr->clear_state();
	if (clipping != _last)
	{
		_last = clipping;
		if (auto *led_ptr = dynamic_cast<ruvava::Diode *>(use_ci()))
		{
			led_ptr->start_anim();
		}
		if (use_ci() != nullptr)
		{
			use_ci()->set_val_user(clipping ? 1 : 0, 200);
		}
	}
}

}  // namespace rivo
