// The clip LED: at each of its ticks, reads and clears the engine's clip
// detector and lights or fades the LED when the state changed.
#pragma once

#include "editor/ListenerBase.h"

namespace dsp
{
class ClipDetector;
}

namespace rivo
{

class ListenerClipLed : public ListenerBase
{
public:
	void set_clip_detector(dsp::ClipDetector *detector_ptr) noexcept
	{
		_detector_ptr = detector_ptr;
	}
	// Event 2: the LED's tick.
	void send_custom_event(long id, void *data_ptr) override;

private:
	dsp::ClipDetector *_detector_ptr = nullptr;
	bool _last = false;
};

}  // namespace rivo
