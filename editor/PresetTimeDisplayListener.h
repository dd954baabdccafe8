// The fade-time text box: shows whole seconds; typed text moves the fader.
#pragma once

#include "gui/DefaultEventListener.h"

namespace rivo
{

struct PresetListenerRefList;

class PresetTimeDisplayListener : public ruvava::DefaultEventListener
{
public:
	explicit PresetTimeDisplayListener(PresetListenerRefList &refs) noexcept : _refs(refs) {}

	// Event 2: the text was edited.
	void send_custom_event(long id, void *data_ptr) override;
	void show_time(double t);

private:
	PresetListenerRefList &_refs;
};

}  // namespace rivo
