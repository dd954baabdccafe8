// A named key of the configuration tree, with an optional one-line comment.
#pragma once

#include "config/ConfKeyStreamInterface.h"

#include <memory>
#include <ostream>
#include <string>

namespace basic
{

class ConfKeyInterface : public ConfKeyStreamInterface
{
public:
	// The key-path delimiters, which no name may contain.
	static constexpr const char *keypath_delimiter_list = "/\\";

	ConfKeyInterface() = default;
	// Throws "ConfKeyInterface::check_name_throw : Invalid name."
	explicit ConfKeyInterface(const std::string &name);
	ConfKeyInterface(const ConfKeyInterface &other) = default;
	ConfKeyInterface &operator=(const ConfKeyInterface &other) = default;

	const std::string &get_name() const noexcept
	{
		return _name;
	}
	void set_name(const std::string &name);
	const std::string &get_comment() const noexcept
	{
		return _comment;
	}
	void set_comment(const std::string &comment);

	std::unique_ptr<ConfKeyInterface> clone() const
	{
		return std::unique_ptr<ConfKeyInterface>(do_clone());
	}

	static bool check_name(const std::string &name);
	void check_name_throw() const;
	// Every character that is not a letter or a digit becomes '_'.
	static std::string mangle_name(const std::string &name);

protected:
	virtual ConfKeyInterface *do_clone() const = 0;
	// The name as written; throws "ConfKeyInterface::do_write_to_string : Key
	// can't be anonymous." for an empty name.
	void write_name(std::string &txt) const;
	void check_and_correct_comment();

private:
	std::string _name;
	std::string _comment;
};

std::ostream &operator<<(std::ostream &os, const ConfKeyInterface &key);

}  // namespace basic
