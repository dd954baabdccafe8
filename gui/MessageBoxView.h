// A message box: lines of text and a row of buttons; Enter presses the
// default button, Escape the last one, Tab and the arrows move the focus.
#pragma once

#include "gui/DialogView.h"
#include "gui/Rect.h"

#include <vector>

namespace ruvava
{

class MessageBoxView : public DialogView
{
public:
	// type: sys::SimpleMessageBox::Type; def: the focused button at first.
	MessageBoxView(const std::string &title, const std::string &text, int type, int def, const FontInterface &font,
	               int scale);

	const std::string &get_title() const override
	{
		return _title;
	}
	Coord2D get_size() const override
	{
		return _size;
	}
	void render(RenderingBufferInterface &buf) const override;
	void press(const Coord2D &p) override;
	void key(Key k) override;
	void type(const std::string &) override {}

	// The lines joined again.
	std::string get_text() const;
	int get_focus() const noexcept
	{
		return _focus;
	}
	// A button's box, for tests and backends.
	Rect get_button_box(int index) const;
	int get_nbr_buttons() const noexcept
	{
		return int(_buttons.size());
	}

private:
	std::string _title;
	std::vector<std::string> _lines;
	std::vector<std::string> _buttons;
	int _focus = 0;
	Coord2D _size;
};

}  // namespace ruvava
