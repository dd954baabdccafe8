// What the adapter hands to the editor binding: the host tempo from the
// audio thread, and the host's request for a scale factor.
#pragma once

#include "host/AEffEditor.h"

namespace rivo
{

class EditorBindingInterface : public AEffEditor
{
public:
	using AEffEditor::AEffEditor;
	// Any thread; no lock, no allocation.
	virtual void request_tempo_refresh(double tempo) = 0;
	virtual void request_scale(float factor) = 0;
};

}  // namespace rivo
