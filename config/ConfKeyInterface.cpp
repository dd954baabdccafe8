// What every configuration key shares: its name rules and its text form.
#include "config/ConfKeyInterface.h"

#include "sys/Exception.h"

#include <cctype>

namespace basic
{

ConfKeyInterface::ConfKeyInterface(const std::string &name)
: _name(name)
{
	check_name_throw();
}

void ConfKeyInterface::set_name(const std::string &name)
{
	if (!check_name(name))
	{
		throw basic::Exception("ConfKeyInterface::check_name_throw : Invalid name.");
	}
	_name = name;
}

void ConfKeyInterface::set_comment(const std::string &comment)
{
	_comment = comment;
	check_and_correct_comment();
}

void ConfKeyInterface::check_and_correct_comment()
{
	for (char &c : _comment)
	{
		if (c == '\n' || c == '\r')
		{
			c = ' ';
		}
	}
}

bool ConfKeyInterface::check_name(const std::string &name)
{
	return name.find_first_of(keypath_delimiter_list) == std::string::npos;
}

void ConfKeyInterface::check_name_throw() const
{
	if (!check_name(_name))
	{
		throw basic::Exception("ConfKeyInterface::check_name_throw : Invalid name.");
	}
}

std::string ConfKeyInterface::mangle_name(const std::string &name)
{
	std::string out = name;
	for (char &c : out)
	{
		if (!std::isalnum(static_cast<unsigned char>(c)))
		{
			c = '_';
		}
	}
	return out;
}

void ConfKeyInterface::write_name(std::string &txt) const
{
	if (_name.empty())
	{
		throw basic::Exception("ConfKeyInterface::do_write_to_string : Key can't be anonymous.");
	}
	write_text(txt, _name);
}

std::ostream &operator<<(std::ostream &os, const ConfKeyInterface &key)
{
	std::string txt;
	key.write_to_string(txt);
	return os << txt;
}

}  // namespace basic
