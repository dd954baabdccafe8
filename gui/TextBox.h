// A line of text over a background picture; when editable, a click opens
// the text line editor on it.
#pragma once

#include "gui/ControlInterface.h"
#include "gui/TextFrame.h"

#include <string>

namespace ruvava
{

class FontInterface;

class TextBox : public ControlInterface
{
public:
	// Custom events sent to the listeners.
	enum Event
	{
		Event_CLICK = 1,
		Event_EDITED = 2
	};

	void set_background_pic(const Picture &pic)
	{
		_background = {pic, true};
	}
	void set_mask_pic(const Picture &pic)
	{
		_mask = {pic, true};
	}
	// The frame's top-left corner lies at the coordinate minus this point.
	void set_text_hot(const Coord2D &hot) noexcept
	{
		_text_hot = hot;
	}
	// The font of the window's scale; not owned.
	void set_font(const FontInterface *font_ptr) noexcept
	{
		_font_ptr = font_ptr;
	}
	void set_legend(const std::string &legend)
	{
		_legend = legend;
	}
	void set_editable(bool flag) noexcept
	{
		_editable = flag;
	}
	bool is_editing() const noexcept
	{
		return _editing;
	}
	void set_text(const std::string &text)
	{
		_frame.set_text(text);
	}
	const std::string &get_text() const noexcept
	{
		return _frame.get_text();
	}
	void set_font_color(long rgb) noexcept
	{
		_frame.set_font_color(rgb);
	}
	long get_font_color() const noexcept
	{
		return _frame.get_font_color();
	}
	void set_justification(int j) noexcept
	{
		_frame.set_justification(j);
	}
	int get_justification() const noexcept
	{
		return _frame.get_justification();
	}
	// In window units.
	void set_frame_size(const Coord2D &size) noexcept
	{
		_frame.set_size(size);
	}
	const Coord2D &get_frame_size() const noexcept
	{
		return _frame.get_size();
	}

	void stop_user_action() override;
	int32_t redraw(Redraw &m) override;
	int32_t mouse_click(MouseClick &m) override;
	int32_t text_input_finished(TextInputFinished &m) override;

private:
	ButtonFrame _background;
	ButtonFrame _mask;
	Coord2D _text_hot;
	TextFrame _frame;
	std::string _legend;
	const FontInterface *_font_ptr = nullptr;
	bool _editable = false;
	bool _editing = false;
};

}  // namespace ruvava
