// A dialog drawn by the toolkit, whatever window shows it: its size, how it
// looks, and what pointer and keys do, until it has an answer. Positions
// are device pixels inside the dialog.
#pragma once

#include "gui/Coord2D.h"

#include <string>

namespace ruvava
{

class FontInterface;
class RenderingBufferInterface;

class DialogView
{
public:
	enum Key
	{
		Key_UP,
		Key_DOWN,
		Key_LEFT,
		Key_RIGHT,
		Key_HOME,
		Key_END,
		Key_BACKSPACE,
		Key_DELETE,
		Key_ENTER,
		Key_ESCAPE,
		Key_TAB
	};

	DialogView(const FontInterface &font, int scale) : _font(font), _scale((scale == 2) ? 2 : 1) {}
	virtual ~DialogView() = default;

	virtual const std::string &get_title() const = 0;
	virtual Coord2D get_size() const = 0;
	// Into a buffer of the dialog's size.
	virtual void render(RenderingBufferInterface &buf) const = 0;
	virtual void press(const Coord2D &p) = 0;
	virtual void key(Key k) = 0;
	// Printable characters, one byte each.
	virtual void type(const std::string &chars) = 0;
	// The window was closed by its frame: the same as Escape.
	void close()
	{
		key(Key_ESCAPE);
	}

	bool is_done() const noexcept
	{
		return _done;
	}
	// Meaningful once done.
	int get_result() const noexcept
	{
		return _result;
	}
	// Changes with every visible change.
	unsigned get_revision() const noexcept
	{
		return _revision;
	}

protected:
	void finish(int result) noexcept
	{
		_result = result;
		_done = true;
		changed();
	}
	void changed() noexcept
	{
		++_revision;
	}
	// Sizes in window units, scaled.
	int32_t px(int32_t units) const noexcept
	{
		return units * _scale;
	}

	const FontInterface &_font;
	int _scale;

private:
	bool _done = false;
	int _result = -1;
	unsigned _revision = 0;
};

}  // namespace ruvava
