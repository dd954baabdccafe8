// A separator between menu entries, optionally labelled.
#pragma once

#include "gui/MenuNodeInterface.h"

namespace ruvava
{

class MenuDelimiter : public MenuNodeInterface
{
public:
	using MenuNodeInterface::MenuNodeInterface;

	// Characters of a labelled delimiter's line.
	static constexpr size_t LINE_LEN = 40;

	// What a labelled delimiter shows: "--- label ---...", 40 characters
	// when the label leaves room; empty for a plain separator line.
	std::string get_display_text() const
	{
		if (get_label().empty())
		{
			return std::string();
		}
		std::string txt = "--- " + get_label() + " ";
		if (txt.size() < LINE_LEN)
		{
			txt.append(LINE_LEN - txt.size(), '-');
		}
		return txt;
	}
};

}  // namespace ruvava
