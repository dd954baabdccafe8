// A key content that is one text value.
#include "config/ConfKeyContentString.h"

namespace basic
{

void ConfKeyContentString::do_write_to_string(std::string &txt, Context & /*ctx*/) const
{
	write_text(txt, _text);
}

}  // namespace basic
