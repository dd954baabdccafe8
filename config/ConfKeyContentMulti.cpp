// A key content that is an ordered list of keys, with deep copies.
#include "config/ConfKeyContentMulti.h"

namespace basic
{

void ConfKeyContentMulti::do_write_to_string(std::string &txt, Context &ctx) const
{
	txt += "{ ";
	for (const auto &c : _contents)
	{
		c->write_to_string(txt, ctx);
		txt += ' ';
	}
	txt += '}';
}

}  // namespace basic
