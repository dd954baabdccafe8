// A preset memory button: stores the current sound while the memory mode
// is on, else recalls its memory with a fade of the current fade time,
// stepped by a 0.1 s timer addressed to this listener.
#pragma once

#include "gui/DefaultEventListener.h"
#include "gui/MessageHandlerInterface.h"
#include "params/ProgramSlot.h"

namespace rivo
{

struct PresetListenerRefList;

class PresetNumberListener : public ruvava::DefaultEventListener, public ruvava::MessageHandlerInterface
{
public:
	static constexpr float FADE_STEP = 0.1f;

	PresetNumberListener() = default;
	void init(PresetListenerRefList &refs, int number) noexcept
	{
		_refs_ptr = &refs;
		_number = number;
	}

	// Event 0: the button was pressed.
	void send_custom_event(long id, void *data_ptr) override;
	// Timer notifications of the fade.
	int32_t send_message(ruvava::MessageInterface &m) override;
	void stop_fade();
	bool is_fading() const noexcept
	{
		return _timer_id >= 0;
	}

private:
	void store();
	void load_interpolate();

	PresetListenerRefList *_refs_ptr = nullptr;
	int _number = 0;
	int32_t _timer_id = -1;
	double _start = 0;
	ProgramSlot _from;
	ProgramSlot _to;
};

}  // namespace rivo
