// The text value of a configuration key.
#pragma once

#include "config/ConfKeyContentInterface.h"

#include <string>

namespace basic
{

class ConfKeyContentString : public ConfKeyContentInterface
{
public:
	ConfKeyContentString() = default;
	explicit ConfKeyContentString(const std::string &text)
	: _text(text)
	{
	}
	const std::string &get_text() const noexcept
	{
		return _text;
	}
	void set_text(const std::string &text)
	{
		_text = text;
	}

protected:
	void do_write_to_string(std::string &txt, Context &ctx) const override;
	ConfKeyContentInterface *do_clone() const override
	{
		return new ConfKeyContentString(*this);
	}

private:
	std::string _text;
};

}  // namespace basic
