// The text line editor on X11: an override-redirect window over the text
// box, drawn by the toolkit, holding the keyboard only while typing. The
// request returns at once; keys come through the window's pump.
#pragma once

#include "gui/TextLineEditorPopup.h"

#include <memory>

namespace ruvava
{

class X11View;

class TextLineEditorX11 : public TextLineEditorPopup
{
public:
	explicit TextLineEditorX11(PumpedWindow &window);
	~TextLineEditorX11() override;

	void set_view(X11View *view_ptr);
	// An X event (XEvent, untyped) while typing; false when not the editor's.
	bool handle_event(const void *xevent_ptr);
	void retry_grab();

protected:
	void do_show() override;

private:
	class _Impl;
	std::unique_ptr<_Impl> _impl;
};

}  // namespace ruvava
