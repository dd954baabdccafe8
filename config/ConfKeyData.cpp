// A named configuration key and its content, written as key-tree text.
#include "config/ConfKeyData.h"

#include "config/ConfKeyContentString.h"

namespace basic
{

ConfKeyData::ConfKeyData()
: _content(new ConfKeyContentString)
{
}

ConfKeyData::ConfKeyData(const std::string &name)
: ConfKeyInterface(name)
, _content(new ConfKeyContentString)
{
}

ConfKeyData::ConfKeyData(const std::string &name, const std::string &text)
: ConfKeyInterface(name)
, _content(new ConfKeyContentString(text))
{
}

ConfKeyData::ConfKeyData(const std::string &name, const ConfKeyContentInterface &content)
: ConfKeyInterface(name)
, _content(content.clone())
{
}

ConfKeyData::ConfKeyData(const ConfKeyData &other)
: ConfKeyInterface(other)
, _content(other._content->clone())
{
}

ConfKeyData &ConfKeyData::operator=(const ConfKeyData &other)
{
	if (this != &other)
	{
		ConfKeyInterface::operator=(other);
		_content = other._content->clone();
	}
	return *this;
}

void ConfKeyData::do_write_to_string(std::string &txt, Context &ctx) const
{
	txt += ctx.get_indent_string();
	write_name(txt);
	txt += " = ";
	_content->write_to_string(txt, ctx);
	if (!get_comment().empty())
	{
		txt += "\t// ";
		txt += get_comment();
	}
}

}  // namespace basic
