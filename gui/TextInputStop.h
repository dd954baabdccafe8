// Closes the text line editor.
#pragma once

#include "gui/KeyboardMessage.h"
#include "gui/MessageUp.h"

namespace ruvava
{

class TextInputStop : public MessageUp, public KeyboardMessage
{
public:
	explicit TextInputStop(bool validated) noexcept : _validated(validated) {}
	bool is_validated() const noexcept
	{
		return _validated;
	}

private:
	bool _validated;
};

}  // namespace ruvava
