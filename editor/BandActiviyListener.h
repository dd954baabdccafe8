// On each voice's gain knob: a voice turned down to silence hides the other
// controls of its cell, and shows them again when it is turned up.
#pragma once

#include "gui/DefaultEventListener.h"

namespace rivo
{

class GuiCells;

class BandActiviyListener : public ruvava::DefaultEventListener
{
public:
	// Below this gain (normalised) the voice counts as silent.
	static constexpr double SILENT = 0.001;

	void init(GuiCells &cells, int voice) noexcept
	{
		_cells_ptr = &cells;
		_voice = voice;
	}
	double change_num_val(double val, int prio) override;

private:
	GuiCells *_cells_ptr = nullptr;
	int _voice = 0;
};

}  // namespace rivo
