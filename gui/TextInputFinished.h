// The text line editor closed; sent straight to the component that asked.
#pragma once

#include "gui/KeyboardMessage.h"
#include "gui/MessageDown.h"

#include <string>

namespace ruvava
{

class TextInputFinished : public MessageDown, public KeyboardMessage
{
public:
	TextInputFinished(const std::string &text, bool validated) : MessageDown(BROADCAST), _text(text), _validated(validated)
	{
	}
	const std::string &get_text() const noexcept
	{
		return _text;
	}
	bool is_validated() const noexcept
	{
		return _validated;
	}

private:
	std::string _text;
	bool _validated;
};

}  // namespace ruvava
