// On each voice's gain knob: a voice turned down to silence hides the other
// controls of its cell, and shows them again when it is turned up.
#pragma once

#include "gui/DefaultEventListener.h"

namespace rivo
{

class GuiEffect;

class BandActiviyListener : public ruvava::DefaultEventListener
{
public:
	// Below this gain (normalised) the voice counts as silent.
	static constexpr double SILENT = 0.001;

	void init(GuiEffect &effect, int voice) noexcept
	{
		_effect_ptr = &effect;
		_voice = voice;
	}
	double change_num_val(double val, int prio) override;

private:
	GuiEffect *_effect_ptr = nullptr;
	int _voice = 0;
};

}  // namespace rivo
