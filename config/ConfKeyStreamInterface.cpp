// The separators and syntax characters that writer and reader agree on.
#include "config/ConfKeyStreamInterface.h"

namespace basic
{

void ConfKeyStreamInterface::write_to_string(std::string &txt) const
{
	Context ctx;
	do_write_to_string(txt, ctx);
}

void ConfKeyStreamInterface::write_text(std::string &txt, const std::string &val)
{
	// The format has no escapes. Blanks, tabs and commas only need quotes;
	// line breaks would split the quoted text over two lines and double quotes
	// would end it, either of which makes the whole file unreadable, so they
	// become a blank and a single quote.
	std::string clean = val;
	bool quote = clean.empty();
	for (char &c : clean)
	{
		if (c == '\n' || c == '\r')
		{
			c = ' ';
		}
		else if (c == '"')
		{
			c = '\'';
		}
		if (is_separator(c) || is_syntax(c) || c == ',')
		{
			quote = true;
		}
	}
	quote = quote || clean.find("//") != std::string::npos;
	if (quote)
	{
		txt += '"';
		txt += clean;
		txt += '"';
	}
	else
	{
		txt += clean;
	}
}

}  // namespace basic
