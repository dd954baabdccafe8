// Text frame.
#include "gui/TextFrame.h"

#include "gui/SystemFnc.h"

namespace ruvava
{

std::string TextFrame::get_mapped_text() const
{
	std::string mapped = _text;
	for (char &c : mapped)
	{
		c = char(SystemFnc::map_char_for_disp(static_cast<unsigned char>(c)));
	}
	return mapped;
}

}  // namespace ruvava
