// Opens the text line editor over a zone of the window.
#pragma once

#include "gui/KeyboardMessage.h"
#include "gui/MessageHandlerInterface.h"
#include "gui/MessageUp.h"
#include "gui/Rect.h"

#include <string>

namespace ruvava
{

class TextInputRequest : public MessageUp, public KeyboardMessage
{
public:
	TextInputRequest(MessageHandlerInterface &target, const std::string &text, const Rect &zone,
	                 const std::string &legend)
	: _target(target), _text(text), _zone(zone), _legend(legend)
	{
	}
	MessageHandlerInterface &use_target() const noexcept
	{
		return _target;
	}
	const std::string &get_text() const noexcept
	{
		return _text;
	}
	// In window units.
	const Rect &get_zone() const noexcept
	{
		return _zone;
	}
	const std::string &get_legend() const noexcept
	{
		return _legend;
	}

private:
	MessageHandlerInterface &_target;
	std::string _text;
	Rect _zone;
	std::string _legend;
};

}  // namespace ruvava
