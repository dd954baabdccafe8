// The text line editor of a pumped window: the request opens the entry
// over its zone and returns; keys arriving later edit it, and Enter,
// Escape or a click elsewhere close it. Shows nothing by itself: the
// off-screen window uses it as it is, and a backend shows the entry.
#pragma once

#include "gui/Rect.h"
#include "gui/TextLineEdit.h"
#include "gui/TextLineEditorInterface.h"

namespace ruvava
{

class PumpedWindow;

class TextLineEditorPopup : public TextLineEditorInterface
{
public:
	explicit TextLineEditorPopup(PumpedWindow &window);

	const TextLineEdit &use_edit() const noexcept
	{
		return _edit;
	}
	// Where the entry lies on screen (device pixels).
	const Rect &get_screen_frame() const noexcept
	{
		return _frame;
	}
	void key(TextLineEdit::Key k);
	void type(const std::string &chars);
	// A press anywhere: outside the entry it closes without validating.
	void press(const Coord2D &screen_pos);

protected:
	int32_t do_begin(const TextInputRequest &request) override;
	int32_t do_stop() override;
	// The entry opened, changed or closed.
	virtual void do_show() {}
	PumpedWindow &use_pumped_window() const noexcept
	{
		return _window;
	}

private:
	void finish(bool validated);

	PumpedWindow &_window;
	TextLineEdit _edit;
	Rect _frame;
};

}  // namespace ruvava
